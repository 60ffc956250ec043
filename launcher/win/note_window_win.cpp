#include "launcher/win/note_window_win.h"

#include "launcher/model/clock_text.h"
#include "launcher/model/colours.h"
#include "launcher/resources/messages.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/note_table_win.h"

namespace {

// When the clock note goes, an earlier one takes over.
HWND LastClockLabel() {
    int clock = notes.LastClockNote();
    return clock >= 0 ? ui.noteWindows[clock].textControl : nullptr;
}

constexpr int kTextControlId = 1;
constexpr int kCornerEllipse = 10;  // in 96-DPI units, as every size of a note

void MoveToPlace(NoteWindows& slot, const WindowPlace& place) {
    slot.place = place;
    const ScreenBox& p = place.pixels;
    MoveWindow(slot.window, p.left, p.top, p.width, p.height, TRUE);
}

DWORD AlignStyle(int align) {
    switch (AlignOf(align)) {
        case TextAlign::Left:
            return SS_LEFT;
        case TextAlign::Centre:
            return SS_CENTER;
        case TextAlign::Right:
            break;
    }
    return SS_RIGHT;
}

Rgb BackColourOf(const Note& n) {
    return ColourOf(n.backColor, n.backRed, n.backGreen, n.backBlue);
}
Rgb TextColourOf(const Note& n) {
    return ColourOf(n.textColor, n.textRed, n.textGreen, n.textBlue);
}

void SetOpacity(HWND window, int transparency) {
    // Looked up at each use: where the system lacks it, the note simply stays opaque.
    using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    HMODULE user32 = GetModuleHandleA("user32.dll");
    auto setLayered = reinterpret_cast<SetLayeredFn>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
    if (setLayered) setLayered(window, 0, static_cast<BYTE>(AlphaOf(transparency)), LWA_ALPHA);
}

void ReleaseSlotObjects(NoteWindows& slot) {
    if (slot.font) DeleteObject(slot.font);
    if (slot.backBrush) DeleteObject(slot.backBrush);
    if (slot.picture) DeleteObject(slot.picture);
    slot.font = nullptr;
    slot.backBrush = nullptr;
    slot.picture = nullptr;
}

}  // namespace

HWND CreateNoteWindow(const Note& note) {
    DWORD style = WS_POPUP | (note.borderless ? 0 : WS_THICKFRAME);
    // Made layered and in its place at once: each later change of style or place costs the
    // window system a round of its own, for every note of a board.
    WindowPlace place = PlaceUnits(CreatedBox(note), CurrentMonitors());
    const ScreenBox& box = place.pixels;
    HWND window =
        CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_LAYERED, kWindowClass, "", style, box.left,
                        box.top, box.width, box.height, nullptr, nullptr, ui.instance, nullptr);
    DragAcceptFiles(window, TRUE);
    // SS_NOPREFIX: an "&" in a note is text, not a mnemonic marker.
    HWND text = CreateWindowExA(
        0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOPREFIX | AlignStyle(note.align), 0, 0, 0, 0,
        window, reinterpret_cast<HMENU>(kTextControlId), ui.instance, nullptr);
    // Set apart from the creation, whose window name some systems cut short or drop past 32 767
    // characters: the control's text is what the next save writes.
    SetWindowTextA(text, note.text.c_str());

    NoteWindows windows;
    windows.window = window;
    windows.textControl = text;
    windows.place = place;
    windows.backBrush = CreateSolidBrush(ToColorRef(BackColourOf(note)));
    int index = AddNoteSlot(note, windows);
    if (IsClockCommand(note.command)) ui.clockLabel = text;

    ApplyFontAndOpacity(index);
    FitTextControl(window);
    SetRoundedRegion(window);
    ShowWindow(window, SW_SHOWNA);
    return window;
}

void ApplyFontAndOpacity(int index) {
    NoteWindows& slot = ui.noteWindows[index];
    const Note& n = notes.slots[index].note;
    HFONT font = CreateFontA(UnitsToPixels(n.fontSize, slot.place.dpi), 0, 0, 0, FW_NORMAL, FALSE,
                             FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_ROMAN,
                             n.fontFace.empty() ? nullptr : n.fontFace.c_str());
    SendMessageA(slot.textControl, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (slot.font) DeleteObject(slot.font);
    slot.font = font;

    LONG_PTR exStyle = GetWindowLongPtrA(slot.window, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED))
        SetWindowLongPtrA(slot.window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetOpacity(slot.window, n.transparency);
    if (n.topmost) SetWindowPos(slot.window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void RemakeBackBrush(int index) {
    NoteWindows& slot = ui.noteWindows[index];
    if (slot.backBrush) DeleteObject(slot.backBrush);
    slot.backBrush = CreateSolidBrush(ToColorRef(BackColourOf(notes.slots[index].note)));
}

void FitTextControl(HWND window) {
    int index = FindNoteOfWindow(window);
    if (index < 0) return;
    RECT client{};
    GetClientRect(window, &client);
    MoveWindow(ui.noteWindows[index].textControl, 0, 0, client.right, client.bottom, FALSE);
}

void SetRoundedRegion(HWND window) {
    int index = FindNoteOfWindow(window);
    int dpi = index >= 0 ? ui.noteWindows[index].place.dpi : WindowDpi(window);
    RoundWindowCorners(window, UnitsToPixels(kCornerEllipse, dpi));
    InvalidateRect(window, nullptr, TRUE);
}

HBRUSH TextControlColours(HDC dc, HWND control) {
    for (int i = 0; i < notes.Count(); ++i) {
        if (ui.noteWindows[i].textControl != control) continue;
        const Note& n = notes.slots[i].note;
        SetTextColor(dc, ToColorRef(TextColourOf(n)));
        SetBkColor(dc, ToColorRef(BackColourOf(n)));
        int entry = PaletteEntryOf(n.backColor, n.backRed, n.backGreen, n.backBlue);
        return entry >= 0 ? ui.paletteBrushes[entry] : ui.noteWindows[i].backBrush;
    }
    return nullptr;
}

WindowBox NoteBox(int index) {
    const NoteWindows& slot = ui.noteWindows[index];
    return UnitsOf(slot.place, WindowBoxOf(slot.window), slot.place.dpi);
}

void PlaceNote(int index, const WindowBox& units) {
    MoveToPlace(ui.noteWindows[index], PlaceUnits(units, CurrentMonitors()));
}

void ResizeNote(int index, int width, int height) {
    NoteWindows& slot = ui.noteWindows[index];
    WindowPlace place = slot.place;
    place.units = NoteBox(index);
    place.units.width = width;
    place.units.height = height;
    ScreenBox now = WindowBoxOf(slot.window);
    place.pixels = {now.left, now.top, UnitsToPixels(width, place.dpi),
                    UnitsToPixels(height, place.dpi)};
    MoveToPlace(slot, place);
}

int NotePixels(int index, int units) {
    return UnitsToPixels(units, ui.noteWindows[index].place.dpi);
}

int NoteUnits(int index, int pixels) {
    return PixelsToUnits(pixels, ui.noteWindows[index].place.dpi);
}

void FollowDpiChange(HWND window, int dpi, const RECT& suggested) {
    int index = FindNoteOfWindow(window);
    if (index < 0) return;
    NoteWindows& slot = ui.noteWindows[index];
    // A note placed by the program is already sized for the DPI it was put at.
    if (dpi != slot.place.dpi)
        MoveToPlace(slot, {NoteBox(index),
                           {suggested.left, suggested.top, suggested.right - suggested.left,
                            suggested.bottom - suggested.top},
                           dpi});
    ApplyFontAndOpacity(index);
    // The size may have stayed while the DPI changed: corners and text follow in any case.
    FitTextControl(window);
    SetRoundedRegion(window);
}

void KeepNotesReachable() {
    std::vector<MonitorArea> monitors = CurrentMonitors();
    for (int i = 0; i < notes.Count(); ++i) {
        NoteWindows& slot = ui.noteWindows[i];
        ScreenBox now = WindowBoxOf(slot.window);
        // A note shrunk away for the Edit dialog comes back through the dialog's own placing.
        if (now.width <= 0) continue;
        WindowPlace place = ReplaceOnScreens(slot.place, now, slot.place.dpi, monitors);
        if (place.pixels == now)
            slot.place = place;
        else
            MoveToPlace(slot, place);
    }
}

int FindNoteOfWindow(HWND window) {
    if (!window) return -1;
    for (int i = 0; i < notes.Count(); ++i)
        if (ui.noteWindows[i].window == window) return i;
    return -1;
}

void RemoveNoteWindow(int index) {
    // Out of the table before the window goes, so messages sent during destruction find no note.
    NoteWindows slot = TakeNoteSlot(index);
    if (ui.clockLabel == slot.textControl) ui.clockLabel = LastClockLabel();
    DestroyWindow(slot.window);
    ReleaseSlotObjects(slot);
}

void DestroyAllNoteWindows() {
    // Emptied before the windows go, so messages sent during destruction find no note.
    std::vector<NoteWindows> old = TakeAllNoteSlots();
    ui.clockLabel = nullptr;
    for (NoteWindows& slot : old) {
        DestroyWindow(slot.window);
        ReleaseSlotObjects(slot);
    }
}

void ReleaseNoteObjects() {
    for (NoteWindows& slot : ui.noteWindows) ReleaseSlotObjects(slot);
}
