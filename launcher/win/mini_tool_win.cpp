#include "launcher/win/mini_tool_win.h"

#include <windows.h>

#include <string>

#include "common/screens_win.h"
#include "launcher/resources/resource.h"
#include "launcher/resources/texts.h"
#include "launcher/rules/attribute_rules.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/dialog_proc_win.h"
#include "launcher/win/note_table_win.h"
#include "launcher/win/run_note_win.h"

namespace {

enum ControlId {
    kMainButton = IDOK,
    kCloseButton = IDCANCEL,
};

void ShowView(HWND dialog) {
    SetDlgItemTextA(dialog, kMainButton, MainButtonLabel(marnelo.tool.mode));
    EnableWindow(GetDlgItem(dialog, IDC_RANDOM_COLOUR), marnelo.tool.randomEnabled);
    SendDlgItemMessageA(dialog, IDC_RANDOM_COLOUR, BM_SETCHECK,
                        marnelo.tool.randomChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ShowPickedValue(HWND dialog, int value) {
    SetDlgItemInt(dialog, IDC_PICKED_VALUE, static_cast<UINT>(value), TRUE);
}

void FillTool(HWND dialog) {
    ui.miniToolDialog = dialog;
    for (int kind = 0; kind < kAttributeKindCount; ++kind)
        SendDlgItemMessageA(dialog, IDC_KIND, CB_INSERTSTRING, kind,
                            reinterpret_cast<LPARAM>(kAttributeKindNames[kind]));
    int kind = marnelo.settings.attributeKind;
    SendDlgItemMessageA(dialog, IDC_KIND, CB_SETCURSEL, KindListEntry(kind), 0);
    ShowPickedValue(dialog, marnelo.settings.attributeBuffer[0]);
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // On the screen the user works on: the one under the pointer.
    POINT pointer{};
    GetCursorPos(&pointer);
    FitDialogOnScreen(dialog, {pointer.x, pointer.y, 1, 1});
    marnelo.tool = OpenedTool(kind);
    ShowView(dialog);
}

void ForgetTool() {
    marnelo.tool.mode = kToolOff;
    ui.miniToolDialog = nullptr;
}

void CloseTool(HWND dialog) {
    ForgetTool();
    EndDialog(dialog, 1);
}

void OnKindChosen(HWND dialog) {
    LRESULT selected = SendDlgItemMessageA(dialog, IDC_KIND, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return;
    marnelo.settings.attributeKind = static_cast<int>(selected);
    marnelo.tool = KindChosen(marnelo.tool, marnelo.settings.attributeKind);
    ShowView(dialog);
}

void OnCommand(HWND dialog, WPARAM wParam) {
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    if (id == IDC_KIND) {
        if (code == CBN_SELCHANGE) OnKindChosen(dialog);
        return;
    }
    if (code != BN_CLICKED) return;
    if (id == kCloseButton) {
        CloseTool(dialog);
        return;
    }
    // Both buttons change only the tool, which is then shown again.
    if (id == kMainButton)
        marnelo.tool = MainButtonPressed(marnelo.tool);
    else if (id == IDC_RANDOM_COLOUR)
        marnelo.tool = RandomToggled(
            marnelo.tool,
            SendDlgItemMessageA(dialog, IDC_RANDOM_COLOUR, BM_GETCHECK, 0, 0) == BST_CHECKED);
    else
        return;
    ShowView(dialog);
}

INT_PTR CALLBACK MiniToolProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    static const DialogHandlers handlers{&FillTool, &OnCommand, &CloseTool, &ForgetTool, nullptr};
    return AnswerDialogMessage(handlers, dialog, message, wParam);
}

}  // namespace

void MiniToolPicked(bool fromNote, int value) {
    HWND dialog = ui.miniToolDialog;
    marnelo.tool = Picked(marnelo.tool);
    if (!dialog) return;
    ShowView(dialog);
    if (fromNote) ShowPickedValue(dialog, value);
}

void OpenMiniTool() {
    if (ui.miniToolDialog) {
        SetForegroundWindow(ui.miniToolDialog);
        return;
    }
    INT_PTR result =
        DialogBoxParamA(ui.instance, MAKEINTRESOURCEA(IDD_MINI_TOOL), nullptr, &MiniToolProc, 0);
    ForgetTool();
    // A program ended while the tool was open also ends the tool: nothing to report or reload.
    if (!IsWindow(ui.mainWindow)) return;
    if (result <= 0) {
        MessageBoxA(nullptr, kNoMainWindowText, kPlainMessageCaption, MB_ICONERROR);
        return;
    }
    SwitchThroughSecondCopy(marnelo.board.currentBoardPath);
}
