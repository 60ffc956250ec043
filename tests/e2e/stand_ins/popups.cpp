// popups.exe for benchmarks: the least a program can do to show N notes — N layered, rounded
// tool popups with a static text child each, shown without activation — so that Marnelo's
// start can be compared with it in the same run. N is the argument (256 without one).
#include <windows.h>

#include <cstdlib>
#include <string>

#include "common/command_line.h"

namespace {

LRESULT CALLBACK PopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::string argument = CommandTail(GetCommandLineA());
    int count = argument.empty() ? 256 : std::atoi(argument.c_str());
    WNDCLASSA type{};
    type.lpfnWndProc = PopupProc;
    type.hInstance = instance;
    type.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    type.lpszClassName = "PopupBench";
    RegisterClassA(&type);
    for (int i = 0; i < count; ++i) {
        int x = 10 + (i % 16) * 60, y = 10 + (i / 16) * 40;
        HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_LAYERED, "PopupBench", "", WS_POPUP,
                                      x, y, 56, 36, nullptr, nullptr, instance, nullptr);
        std::string text = "note " + std::to_string(i);
        CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 56, 36, window,
                        nullptr, instance, nullptr);
        SetLayeredWindowAttributes(window, 0, 230, LWA_ALPHA);
        SetWindowRgn(window, CreateRoundRectRgn(0, 0, 56, 36, 10, 10), TRUE);
        ShowWindow(window, SW_SHOWNA);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
