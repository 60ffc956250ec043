#include "utility/model/mode_cycle.h"

#include "utility/resources/texts.h"

namespace {

ModeStep Named(ModeState state, const char* name, bool refreshLists) {
    return {state, name, name, refreshLists};
}

}  // namespace

ModeStep CycleMode(ModeState modeState) {
    switch (modeState) {
        case ModeState::Normal:
            return Named(ModeState::History, kHistoryModeText, true);
        case ModeState::History:
            // Number input lists as the normal state did before history: only the texts change.
            return Named(ModeState::NumberInput, kNumberModeText, false);
        case ModeState::NumberInput:
            return Named(ModeState::FolderSize, kFolderSizeModeText, true);
        default:
            return {ModeState::Normal, "Quorvel", "", true};
    }
}
