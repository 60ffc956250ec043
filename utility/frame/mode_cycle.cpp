#include "utility/frame/mode_cycle.h"

namespace {

ModeStep Named(ModeState state, const char* name, bool refreshLists) {
    return {state, name, name, refreshLists};
}

}  // namespace

ModeStep CycleMode(ModeState modeState) {
    switch (modeState) {
        case ModeState::Normal:
            return Named(ModeState::History, "\x97\x9a\x97\xf0\x83\x82\x81\x5b\x83\x68",
                         true);  // 履歴モード
        case ModeState::History:
            // Number input lists as the normal state did before history: only the texts change.
            return Named(ModeState::NumberInput,
                         "\x90\x94\x8e\x9a\x93\xfc\x97\xcd\x83\x82\x81\x5b\x83\x68",
                         false);  // 数字入力モード
        case ModeState::NumberInput:
            return Named(ModeState::FolderSize,
                         "\x83\x74\x83\x48\x83\x8b\x83\x5f\x83\x54\x83\x43\x83\x59\x95\x5c\x8e\xa6"
                         "\x83\x82\x81\x5b\x83\x68",
                         true);  // フォルダサイズ表示モード
        default:
            return {ModeState::Normal, "Quorvel", "", true};
    }
}
