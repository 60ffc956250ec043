#include "launcher/win/edit_dialog_win.h"

#include <string>

#include "common/screens_win.h"
#include "common/window_text_win.h"
#include "launcher/model/colours.h"
#include "launcher/model/note_file.h"
#include "launcher/resources/messages.h"
#include "launcher/resources/resource.h"
#include "launcher/resources/texts.h"
#include "launcher/rules/edit_rules.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/board_store_win.h"
#include "launcher/win/dialog_proc_win.h"
#include "launcher/win/note_table_win.h"
#include "launcher/win/note_window_win.h"
#include "launcher/win/window_proc_win.h"

namespace {

constexpr int kBackBoxes[3] = {IDC_BACK_RED, IDC_BACK_GREEN, IDC_BACK_BLUE};
constexpr int kTextBoxes[3] = {IDC_TEXT_RED, IDC_TEXT_GREEN, IDC_TEXT_BLUE};

int EditedIndex() {
    int index = FindNoteOfWindow(ui.editor.noteWindow);
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
    InvalidateRect(GetDlgItem(dialog, IDC_TEXT_BOX), nullptr, TRUE);
}

void ReplacePreviewBrush(COLORREF colour) {
    if (ui.editor.previewBrush) DeleteObject(ui.editor.previewBrush);
    ui.editor.previewBrush = CreateSolidBrush(colour);
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
    if (TakeChosenColour(dialog, IDC_BACK_COLOUR, n ? n->backColor : -1, ui.editor.lastBackIndex,
                         kBackBoxes))
        ReplacePreviewBrush(ToColorRef(kColourTable[ui.editor.lastBackIndex]));
    TakeChosenColour(dialog, IDC_TEXT_COLOUR, n ? n->textColor : -1, ui.editor.lastTextIndex,
                     kTextBoxes);
    RedrawTextBox(dialog);
}

// Every edit box shows the note's colours as they stand in the dialog.
HBRUSH PreviewColours(HWND dialog, HDC dc) {
    COLORREF back = ToColorRef(BoxesColour(dialog, kBackBoxes, ui.editor.lastBackIndex));
    SetBkColor(dc, back);
    ReplacePreviewBrush(back);
    SetTextColor(dc, ToColorRef(BoxesColour(dialog, kTextBoxes, ui.editor.lastTextIndex)));
    return ui.editor.previewBrush;
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
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_FONT_FACE)), 0);
    ReleaseDC(dialog, dc);
}

void FillLists(HWND dialog) {
    for (const char* text : kTransparencyChoices) AddItem(dialog, IDC_TRANSPARENCY, text);
    for (const char* text : kFontSizeChoices) AddItem(dialog, IDC_FONT_SIZE, text);
    for (const char* text : kRunTypeNames) AddItem(dialog, IDC_RUN_TYPE, text);
    for (const char* text : kAlignNames) AddItem(dialog, IDC_ALIGN, text);
    for (const char* name : kColourNames) {
        AddItem(dialog, IDC_BACK_COLOUR, name);
        AddItem(dialog, IDC_TEXT_COLOUR, name);
    }
    for (const std::string& name : marnelo.board.folderBoards)
        AddItem(dialog, IDC_BOARD, name.c_str());
    for (const std::string& path : marnelo.board.outsideBoards)
        AddItem(dialog, IDC_BOARD, path.c_str());
}

void FillDialog(HWND dialog) {
    if (ui.editor.previewBrush) DeleteObject(ui.editor.previewBrush);
    ui.editor.previewBrush = nullptr;
    FitDialogOnScreen(dialog, ui.editor.noteOnScreen);
    for (int id : kBackBoxes) SubclassColourBox(dialog, id);
    for (int id : kTextBoxes) SubclassColourBox(dialog, id);
    AddFontFaces(dialog);

    int index = EditedIndex();
    const Note& n = notes.slots[index].note;
    // A box's own limit would cut what the note holds before OK reads it back: the text and
    // command boxes take any length, the path box at least the path the note has.
    SendDlgItemMessageA(dialog, IDC_TEXT_BOX, EM_LIMITTEXT, 0, 0);
    SendDlgItemMessageA(dialog, IDC_COMMAND_BOX, EM_LIMITTEXT, 0, 0);
    SendDlgItemMessageA(dialog, IDC_MEDIA_PATH, EM_LIMITTEXT,
                        EditBoxLimit(kEditMediaPathBytes, n.mediaPath), 0);
    SetItemText(dialog, IDC_COMMAND_BOX, n.command);
    SetItemText(dialog, IDC_MEDIA_PATH, n.mediaPath);
    SetItemText(dialog, IDC_FONT_FACE, n.fontFace);
    SetItemText(dialog, IDC_TEXT_BOX, WindowText(ui.noteWindows[index].textControl));
    SetItemNumber(dialog, IDC_TRANSPARENCY, n.transparency);
    SetItemNumber(dialog, IDC_FONT_SIZE, n.fontSize);
    SetItemNumber(dialog, IDC_MINI_WIDTH, n.miniWidth);
    SetItemNumber(dialog, IDC_MINI_HEIGHT, n.miniHeight);

    FillLists(dialog);
    SetItemText(dialog, IDC_RUN_TYPE, LabelOf(n.runType, kRunTypeNames, 3));
    SetItemText(dialog, IDC_ALIGN, LabelOf(n.align, kAlignNames, 3));
    SetItemText(dialog, IDC_BACK_COLOUR, ColourNameOf(n.backColor));
    SetItemText(dialog, IDC_TEXT_COLOUR, ColourNameOf(n.textColor));
    SetItemText(dialog, IDC_BOARD, marnelo.board.currentBoardName);
    ui.editor.lastBackIndex = n.backColor;
    ui.editor.lastTextIndex = n.textColor;

    SetBoxes(dialog, kBackBoxes, {n.backRed, n.backGreen, n.backBlue});
    SetBoxes(dialog, kTextBoxes, {n.textRed, n.textGreen, n.textBlue});
    const std::pair<int, int> checks[] = {{IDC_TOPMOST, n.topmost},
                                          {IDC_COMMON, n.common},
                                          {IDC_MINI, n.mini},
                                          {IDC_RAISE_ON_HOVER, n.raiseOnHover},
                                          {IDC_BORDERLESS, n.borderless}};
    for (auto [id, value] : checks)
        SendDlgItemMessageA(dialog, id, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    SendDlgItemMessageA(dialog, IDC_TEXT_BOX, EM_SETSEL, 0, -1);
}

void ChooseColour(HWND dialog, const int (&boxes)[3]) {
    Rgb preset = ChooserPreset(ItemText(dialog, boxes[0]), ItemText(dialog, boxes[1]),
                               ItemText(dialog, boxes[2]));
    CHOOSECOLORA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = dialog;
    choice.rgbResult = ToColorRef(preset);
    choice.lpCustColors = ui.editor.customColours;
    choice.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (!ChooseColorA(&choice)) return;
    SetBoxes(dialog, boxes, FromColorRef(choice.rgbResult));
    RedrawTextBox(dialog);
}

void MoveToChosenBoard(HWND dialog) {
    std::string target = ItemText(dialog, IDC_BOARD);
    if (target == marnelo.board.currentBoardName) return;
    int index = EditedIndex();
    if (index >= 0) {
        const Note& n = notes.slots[index].note;
        PlaceNote(index, {notes.editedX, notes.editedY, n.width, n.height});
        MoveNoteToBoard(index, target);
    }
    EndDialog(dialog, IDCANCEL);
    EndWhenNoNoteLeft();
}

EditedFields ReadFields(HWND dialog) {
    EditedFields f;
    f.miniWidth = ItemText(dialog, IDC_MINI_WIDTH);
    f.miniHeight = ItemText(dialog, IDC_MINI_HEIGHT);
    f.transparency = ItemText(dialog, IDC_TRANSPARENCY);
    f.fontSize = ItemText(dialog, IDC_FONT_SIZE);
    f.backRed = ItemText(dialog, IDC_BACK_RED);
    f.backGreen = ItemText(dialog, IDC_BACK_GREEN);
    f.backBlue = ItemText(dialog, IDC_BACK_BLUE);
    f.textRed = ItemText(dialog, IDC_TEXT_RED);
    f.textGreen = ItemText(dialog, IDC_TEXT_GREEN);
    f.textBlue = ItemText(dialog, IDC_TEXT_BLUE);
    f.mediaPath = ItemText(dialog, IDC_MEDIA_PATH);
    f.fontFace = ItemText(dialog, IDC_FONT_FACE);
    f.command = ItemText(dialog, IDC_COMMAND_BOX);
    f.text = ItemText(dialog, IDC_TEXT_BOX);
    f.backColor = ItemText(dialog, IDC_BACK_COLOUR);
    f.textColor = ItemText(dialog, IDC_TEXT_COLOUR);
    f.runType = ItemText(dialog, IDC_RUN_TYPE);
    f.align = ItemText(dialog, IDC_ALIGN);
    f.topmost = Checked(dialog, IDC_TOPMOST);
    f.common = Checked(dialog, IDC_COMMON);
    f.mini = Checked(dialog, IDC_MINI);
    f.raiseOnHover = Checked(dialog, IDC_RAISE_ON_HOVER);
    f.borderless = Checked(dialog, IDC_BORDERLESS);
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
        case IDC_AUTO_SIZE:
            ui.editor.autoSize = true;
            TakeDialogResult(dialog);
            return;
        case IDOK:
            TakeDialogResult(dialog);
            return;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return;
        case IDC_DESKTOP_COLOUR: {
            SetBoxes(dialog, kBackBoxes, FromColorRef(GetSysColor(COLOR_BACKGROUND)));
            RedrawTextBox(dialog);
            return;
        }
        case IDC_BACK_CHOOSE:
            ChooseColour(dialog, kBackBoxes);
            return;
        case IDC_TEXT_CHOOSE:
            ChooseColour(dialog, kTextBoxes);
            return;
        case IDC_MOVE:
            MoveToChosenBoard(dialog);
            return;
    }
}

void ForgetDialog() {
    if (ui.editor.previewBrush) DeleteObject(ui.editor.previewBrush);
    ui.editor.previewBrush = nullptr;
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
    if (ui.editor.autoSize) FitToText(index, note);
    ReturnPlan plan = SizeAfterEdit(note, ui.editor.miniBefore);
    if (plan.forgetExpanded) notes.expandedNote = -1;
    PlaceNote(index, {notes.editedX, notes.editedY, plan.width, plan.height});
}

}  // namespace

void OpenEditDialog(HWND noteWindow) {
    if (notes.editorOpen) {
        MessageBoxOnScreen(noteWindow, kCloseEditorFirstText, kPlainMessageCaption, MB_ICONERROR);
        return;
    }
    int index = FindNoteOfWindow(noteWindow);
    if (index < 0) return;
    ui.editor.noteWindow = noteWindow;
    ui.editor.autoSize = false;

    // A board switch or an end handed over meanwhile waits: it would lose what is being typed.
    marnelo.handOvers.Hold();
    ui.editor.miniBefore = notes.slots[index].note.mini;
    ui.editor.noteOnScreen = WindowBoxOf(noteWindow);
    notes.OpenEditor(index, NoteBox(index));
    MoveWindow(noteWindow, 0, 0, 0, 0, TRUE);

    INT_PTR result =
        DialogBoxParamA(ui.instance, MAKEINTRESOURCEA(IDD_EDIT), nullptr, &EditDialogProc, 0);
    // A program ended while the dialog was open also ends the dialog: nothing to report then.
    if (result <= 0 && IsWindow(ui.mainWindow))
        MessageBoxA(nullptr, kNoMainWindowText, kPlainMessageCaption, MB_ICONERROR);
    notes.editorOpen = false;

    index = EditedIndex();
    notes.editedNote = -1;
    if (index >= 0) ReturnNote(index);
    SendMessageA(ui.mainWindow, MSG_ACTIVATE, 0, 0);
    if (index >= 0) InvalidateRect(ui.noteWindows[index].window, nullptr, TRUE);
    if (marnelo.handOvers.Release()) RunWaitingHandOvers();
}
