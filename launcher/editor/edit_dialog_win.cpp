#include "launcher/editor/edit_dialog_win.h"

#include <string>

#include "common/screens_win.h"
#include "common/window_text_win.h"
#include "launcher/editor/dialog_proc_win.h"
#include "launcher/editor/edit_rules.h"
#include "launcher/frame/app_state_win.h"
#include "launcher/frame/messages.h"
#include "launcher/notes/board_store_win.h"
#include "launcher/notes/note_file.h"
#include "launcher/notes/note_table_win.h"
#include "launcher/windows/colours.h"
#include "launcher/windows/note_window_win.h"
#include "launcher/windows/window_proc_win.h"

namespace {

enum ControlId {
    kCommandBox = 1000,
    kTextBox = 1001,
    kTransparencyCombo = 1003,
    kFontSizeCombo = 1004,
    kMediaPathBox = 1005,
    kBackColourCombo = 1006,
    kTextColourCombo = 1007,
    kTopmostCheck = 1008,
    kBoardCombo = 1009,
    kMoveButton = 1010,
    kRunTypeCombo = 1011,
    kAlignCombo = 1012,
    kCommonCheck = 1013,
    kMiniCheck = 1014,
    kMiniWidthBox = 1015,
    kMiniHeightBox = 1016,
    kFontFaceCombo = 1017,
    kRaiseOnHoverCheck = 1018,
    kBackRedBox = 1019,
    kBackChooseButton = 1020,
    kTextChooseButton = 1021,
    kBackGreenBox = 1022,
    kBackBlueBox = 1023,
    kTextRedBox = 1024,
    kTextGreenBox = 1025,
    kTextBlueBox = 1026,
    kDesktopColourButton = 1027,
    kBorderlessCheck = 1028,
    kAutoSizeButton = 3,
};

constexpr int kEditDialogId = 101;
constexpr int kBackBoxes[3] = {kBackRedBox, kBackGreenBox, kBackBlueBox};
constexpr int kTextBoxes[3] = {kTextRedBox, kTextGreenBox, kTextBlueBox};

struct EditorState {
    bool open = false;
    HWND dialog = nullptr;
    HWND noteWindow = nullptr;  // the note is found again by it: a board switch may replace it
    HBRUSH previewBrush = nullptr;
    int lastBackIndex = 0;
    int lastTextIndex = 0;
    int miniBefore = 0;
    bool autoSize = false;
    ScreenBox noteOnScreen;  // in pixels, before it was shrunk away: the dialog opens beside it
};

EditorState editor;
COLORREF customColours[16] = {};  // the colour chooser's own colours, kept for the whole run

int EditedIndex() {
    int index = FindNoteOfWindow(editor.noteWindow);
    return index == notes.editedNote ? index : -1;
}

std::string ItemText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

void SetItemText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

void SetItemNumber(HWND dialog, int id, int value) {
    SetDlgItemInt(dialog, id, static_cast<UINT>(value), TRUE);
}

bool Checked(HWND dialog, int id) {
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void AddItem(HWND dialog, int id, const char* text) {
    SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void SetBoxes(HWND dialog, const int (&boxes)[3], const Rgb& rgb) {
    SetItemNumber(dialog, boxes[0], rgb.red);
    SetItemNumber(dialog, boxes[1], rgb.green);
    SetItemNumber(dialog, boxes[2], rgb.blue);
}

Rgb BoxesColour(HWND dialog, const int (&boxes)[3], int lastIndex) {
    return PreviewColour(lastIndex, ItemText(dialog, boxes[0]), ItemText(dialog, boxes[1]),
                         ItemText(dialog, boxes[2]));
}

void RedrawTextBox(HWND dialog) {
    InvalidateRect(GetDlgItem(dialog, kTextBox), nullptr, TRUE);
}

void ReplacePreviewBrush(COLORREF colour) {
    if (editor.previewBrush) DeleteObject(editor.previewBrush);
    editor.previewBrush = CreateSolidBrush(colour);
}

// The text of the combo's chosen entry, or `fallback` when none is chosen.
std::string SelectedLabel(HWND dialog, int id, const char* fallback) {
    LRESULT selected = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return fallback;
    LRESULT length = SendDlgItemMessageA(dialog, id, CB_GETLBTEXTLEN, selected, 0);
    if (length == CB_ERR) return fallback;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

const char* ColourNameOf(int index) {
    return LabelOf(index, kColourNames, kColourCount);
}

// A colour chosen anew in a combo fills its boxes; choosing the same one again keeps what the
// user typed into them.
bool TakeChosenColour(HWND dialog, int combo, int fallbackIndex, int& lastIndex,
                      const int (&boxes)[3]) {
    int index =
        NewColourChoice(SelectedLabel(dialog, combo, ColourNameOf(fallbackIndex)), lastIndex);
    if (index < 0) return false;
    lastIndex = index;
    SetBoxes(dialog, boxes, kColourTable[index]);
    return true;
}

void OnComboChange(HWND dialog) {
    int index = EditedIndex();
    const Note* n = index >= 0 ? &notes.slots[index].note : nullptr;
    if (TakeChosenColour(dialog, kBackColourCombo, n ? n->backColor : -1, editor.lastBackIndex,
                         kBackBoxes))
        ReplacePreviewBrush(ToColorRef(kColourTable[editor.lastBackIndex]));
    TakeChosenColour(dialog, kTextColourCombo, n ? n->textColor : -1, editor.lastTextIndex,
                     kTextBoxes);
    RedrawTextBox(dialog);
}

// Every edit box shows the note's colours as they stand in the dialog.
HBRUSH PreviewColours(HWND dialog, HDC dc) {
    COLORREF back = ToColorRef(BoxesColour(dialog, kBackBoxes, editor.lastBackIndex));
    SetBkColor(dc, back);
    ReplacePreviewBrush(back);
    SetTextColor(dc, ToColorRef(BoxesColour(dialog, kTextBoxes, editor.lastTextIndex)));
    return editor.previewBrush;
}

LRESULT CALLBACK ColourBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(box, GWLP_USERDATA));
    if (message == WM_KEYUP && (wParam == VK_UP || wParam == VK_DOWN)) {
        SetWindowTextA(box, StepColourText(WindowText(box), wParam == VK_UP).c_str());
        RedrawTextBox(GetParent(box));
        return 0;
    }
    return CallWindowProcA(original, box, message, wParam, lParam);
}

void SubclassColourBox(HWND dialog, int id) {
    HWND box = GetDlgItem(dialog, id);
    // The box's own procedure is kept with it before the new one can be called.
    SetWindowLongPtrA(box, GWLP_USERDATA, GetWindowLongPtrA(box, GWLP_WNDPROC));
    SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ColourBoxProc));
}

int CALLBACK AddFontFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType, LPARAM combo) {
    if (fontType != 0)
        SendMessageA(reinterpret_cast<HWND>(combo), CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(font->lfFaceName));
    return 1;
}

void AddFontFaces(HWND dialog) {
    LOGFONTA wanted{};
    wanted.lfCharSet = ANSI_CHARSET;
    HDC dc = GetDC(dialog);
    EnumFontFamiliesExA(dc, &wanted, reinterpret_cast<FONTENUMPROCA>(&AddFontFace),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, kFontFaceCombo)), 0);
    ReleaseDC(dialog, dc);
}

void FillLists(HWND dialog) {
    for (const char* text : kTransparencyChoices) AddItem(dialog, kTransparencyCombo, text);
    for (const char* text : kFontSizeChoices) AddItem(dialog, kFontSizeCombo, text);
    for (const char* text : kRunTypeNames) AddItem(dialog, kRunTypeCombo, text);
    for (const char* text : kAlignNames) AddItem(dialog, kAlignCombo, text);
    for (const char* name : kColourNames) {
        AddItem(dialog, kBackColourCombo, name);
        AddItem(dialog, kTextColourCombo, name);
    }
    for (const std::string& name : marnelo.board.folderBoards)
        AddItem(dialog, kBoardCombo, name.c_str());
    for (const std::string& path : marnelo.board.outsideBoards)
        AddItem(dialog, kBoardCombo, path.c_str());
}

void FillDialog(HWND dialog) {
    if (editor.previewBrush) DeleteObject(editor.previewBrush);
    editor.previewBrush = nullptr;
    editor.dialog = dialog;
    FitDialogOnScreen(dialog, editor.noteOnScreen);
    for (int id : kBackBoxes) SubclassColourBox(dialog, id);
    for (int id : kTextBoxes) SubclassColourBox(dialog, id);
    AddFontFaces(dialog);

    int index = EditedIndex();
    const Note& n = notes.slots[index].note;
    // A box's own limit would cut what the note holds before OK reads it back: the text and
    // command boxes take any length, the path box at least the path the note has.
    SendDlgItemMessageA(dialog, kTextBox, EM_LIMITTEXT, 0, 0);
    SendDlgItemMessageA(dialog, kCommandBox, EM_LIMITTEXT, 0, 0);
    SendDlgItemMessageA(dialog, kMediaPathBox, EM_LIMITTEXT,
                        EditBoxLimit(kEditMediaPathBytes, n.mediaPath), 0);
    SetItemText(dialog, kCommandBox, n.command);
    SetItemText(dialog, kMediaPathBox, n.mediaPath);
    SetItemText(dialog, kFontFaceCombo, n.fontFace);
    SetItemText(dialog, kTextBox, WindowText(ui.noteWindows[index].textControl));
    SetItemNumber(dialog, kTransparencyCombo, n.transparency);
    SetItemNumber(dialog, kFontSizeCombo, n.fontSize);
    SetItemNumber(dialog, kMiniWidthBox, n.miniWidth);
    SetItemNumber(dialog, kMiniHeightBox, n.miniHeight);

    FillLists(dialog);
    SetItemText(dialog, kRunTypeCombo, LabelOf(n.runType, kRunTypeNames, 3));
    SetItemText(dialog, kAlignCombo, LabelOf(n.align, kAlignNames, 3));
    SetItemText(dialog, kBackColourCombo, ColourNameOf(n.backColor));
    SetItemText(dialog, kTextColourCombo, ColourNameOf(n.textColor));
    SetItemText(dialog, kBoardCombo, marnelo.board.currentBoardName);
    editor.lastBackIndex = n.backColor;
    editor.lastTextIndex = n.textColor;

    SetBoxes(dialog, kBackBoxes, {n.backRed, n.backGreen, n.backBlue});
    SetBoxes(dialog, kTextBoxes, {n.textRed, n.textGreen, n.textBlue});
    const std::pair<int, int> checks[] = {{kTopmostCheck, n.topmost},
                                          {kCommonCheck, n.common},
                                          {kMiniCheck, n.mini},
                                          {kRaiseOnHoverCheck, n.raiseOnHover},
                                          {kBorderlessCheck, n.borderless}};
    for (auto [id, value] : checks)
        SendDlgItemMessageA(dialog, id, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    SendDlgItemMessageA(dialog, kTextBox, EM_SETSEL, 0, -1);
}

void ChooseColour(HWND dialog, const int (&boxes)[3]) {
    Rgb preset = ChooserPreset(ItemText(dialog, boxes[0]), ItemText(dialog, boxes[1]),
                               ItemText(dialog, boxes[2]));
    CHOOSECOLORA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = dialog;
    choice.rgbResult = ToColorRef(preset);
    choice.lpCustColors = customColours;
    choice.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (!ChooseColorA(&choice)) return;
    SetBoxes(dialog, boxes, FromColorRef(choice.rgbResult));
    RedrawTextBox(dialog);
}

void MoveToChosenBoard(HWND dialog) {
    std::string target = ItemText(dialog, kBoardCombo);
    if (target == marnelo.board.currentBoardName) return;
    int index = EditedIndex();
    if (index >= 0) {
        const Note& n = notes.slots[index].note;
        PlaceNote(index, {notes.editedX, notes.editedY, n.width, n.height});
        MoveNoteToBoard(index, target);
    }
    EndDialog(dialog, IDCANCEL);
    if (notes.Count() == 0) SendMessageA(ui.mainWindow, WM_CLOSE, 0, 0);
}

EditedFields ReadFields(HWND dialog) {
    EditedFields f;
    f.miniWidth = ItemText(dialog, kMiniWidthBox);
    f.miniHeight = ItemText(dialog, kMiniHeightBox);
    f.transparency = ItemText(dialog, kTransparencyCombo);
    f.fontSize = ItemText(dialog, kFontSizeCombo);
    f.backRed = ItemText(dialog, kBackRedBox);
    f.backGreen = ItemText(dialog, kBackGreenBox);
    f.backBlue = ItemText(dialog, kBackBlueBox);
    f.textRed = ItemText(dialog, kTextRedBox);
    f.textGreen = ItemText(dialog, kTextGreenBox);
    f.textBlue = ItemText(dialog, kTextBlueBox);
    f.mediaPath = ItemText(dialog, kMediaPathBox);
    f.fontFace = ItemText(dialog, kFontFaceCombo);
    f.command = ItemText(dialog, kCommandBox);
    f.text = ItemText(dialog, kTextBox);
    f.backColor = ItemText(dialog, kBackColourCombo);
    f.textColor = ItemText(dialog, kTextColourCombo);
    f.runType = ItemText(dialog, kRunTypeCombo);
    f.align = ItemText(dialog, kAlignCombo);
    f.topmost = Checked(dialog, kTopmostCheck);
    f.common = Checked(dialog, kCommonCheck);
    f.mini = Checked(dialog, kMiniCheck);
    f.raiseOnHover = Checked(dialog, kRaiseOnHoverCheck);
    f.borderless = Checked(dialog, kBorderlessCheck);
    return f;
}

void TakeDialogResult(HWND dialog) {
    int index = EditedIndex();
    if (index >= 0) {
        Note& note = notes.slots[index].note;
        note = ApplyEditedFields(note, ReadFields(dialog));
        SetWindowTextA(ui.noteWindows[index].textControl, note.text.c_str());
        ApplyFontAndOpacity(index);
        RemakeBackBrush(index);
    }
    EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, WPARAM wParam) {
    int id = LOWORD(wParam);
    if (HIWORD(wParam) == CBN_SELCHANGE) {
        OnComboChange(dialog);
        return;
    }
    switch (id) {
        case kAutoSizeButton:
            editor.autoSize = true;
            TakeDialogResult(dialog);
            return;
        case IDOK:
            TakeDialogResult(dialog);
            return;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return;
        case kDesktopColourButton: {
            SetBoxes(dialog, kBackBoxes, FromColorRef(GetSysColor(COLOR_BACKGROUND)));
            RedrawTextBox(dialog);
            return;
        }
        case kBackChooseButton:
            ChooseColour(dialog, kBackBoxes);
            return;
        case kTextChooseButton:
            ChooseColour(dialog, kTextBoxes);
            return;
        case kMoveButton:
            MoveToChosenBoard(dialog);
            return;
    }
}

void ForgetDialog() {
    editor.dialog = nullptr;
    if (editor.previewBrush) DeleteObject(editor.previewBrush);
    editor.previewBrush = nullptr;
}

INT_PTR CALLBACK EditDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    static const DialogHandlers handlers{&FillDialog, &OnCommand, nullptr, &ForgetDialog,
                                         &PreviewColours};
    return AnswerDialogMessage(handlers, dialog, message, wParam);
}

// The size the text needs, measured with the note's own font.
void FitToText(int index, Note& note) {
    const NoteWindows& slot = ui.noteWindows[index];
    std::string text = TextToMeasure(WindowText(slot.textControl));
    MeasuredLine measured = LineToMeasure(text);
    HDC dc = GetDC(slot.textControl);
    HGDIOBJ before = SelectObject(dc, slot.font);
    SIZE extent{};
    GetTextExtentPoint32A(dc, measured.line.data(), static_cast<int>(measured.line.size()),
                          &extent);
    SelectObject(dc, before);
    ReleaseDC(slot.textControl, dc);
    // Measured in pixels of the note's DPI; the sizes are kept in 96-DPI units.
    NoteSize size =
        AutoSize(measured.lines, NoteUnits(index, extent.cx), NoteUnits(index, extent.cy));
    note.width = size.width;
    note.height = size.height;
}

void ReturnNote(int index) {
    Note& note = notes.slots[index].note;
    const NoteWindows& slot = ui.noteWindows[index];
    if (note.topmost) {
        BringWindowToTop(slot.window);
        SetWindowPos(slot.window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    if (editor.autoSize) FitToText(index, note);
    ReturnPlan plan = SizeAfterEdit(note, editor.miniBefore);
    if (plan.forgetExpanded) notes.expandedNote = -1;
    PlaceNote(index, {notes.editedX, notes.editedY, plan.width, plan.height});
}

}  // namespace

void OpenEditDialog(HWND noteWindow) {
    if (editor.open) {
        MessageBoxOnScreen(noteWindow, "編集画面を閉じて下さい", "message", MB_ICONERROR);
        return;
    }
    int index = FindNoteOfWindow(noteWindow);
    if (index < 0) return;
    marnelo.hoverEnabled = false;
    editor.open = true;
    editor.noteWindow = noteWindow;
    editor.autoSize = false;

    // A board switch or an end handed over meanwhile waits: it would lose what is being typed.
    marnelo.handOvers.Hold();
    editor.miniBefore = notes.slots[index].note.mini;
    editor.noteOnScreen = WindowBoxOf(noteWindow);
    notes.OpenEditor(index, NoteBox(index));
    MoveWindow(noteWindow, 0, 0, 0, 0, TRUE);

    INT_PTR result =
        DialogBoxParamA(ui.instance, MAKEINTRESOURCEA(kEditDialogId), nullptr, &EditDialogProc, 0);
    // A program ended while the dialog was open also ends the dialog: nothing to report then.
    if (result <= 0 && IsWindow(ui.mainWindow))
        MessageBoxA(nullptr, "メインウインドウを作成できませんでした", "message", MB_ICONERROR);
    notes.editorOpen = false;
    editor.open = false;
    marnelo.hoverEnabled = true;

    index = EditedIndex();
    notes.editedNote = -1;
    if (index >= 0) ReturnNote(index);
    SendMessageA(ui.mainWindow, MSG_ACTIVATE, 0, 0);
    if (index >= 0) InvalidateRect(ui.noteWindows[index].window, nullptr, TRUE);
    if (marnelo.handOvers.Release()) RunWaitingHandOvers();
}
