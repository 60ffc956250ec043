#include "utility/frame/mode_cycle.h"

namespace {

ModeStep Named(int state, const char* name, bool refreshLists) {
    return {state, name, name, refreshLists};
}

}  // namespace

ModeStep CycleMode(int modeState) {
    switch (modeState) {
        case kModeNormal:
            return Named(kModeHistory, "履歴モード", true);
        case kModeHistory:
            // Number input lists as the normal state did before history: only the texts change.
            return Named(kModeNumberInput, "数字入力モード", false);
        case kModeNumberInput:
            return Named(kModeFolderSize, "フォルダサイズ表示モード", true);
    }
    return {kModeNormal, "Quorvel", "", true};
}
