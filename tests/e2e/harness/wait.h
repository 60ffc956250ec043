// wait.h — bounded waits that poll for a condition: the programs under test run in other
// processes and answer in their own time.
#pragma once
#include <windows.h>

#include <functional>

// A measurement polls more often than the default, which would round its figures up.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 10000,
                    int pollMs = 15) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
        Sleep(pollMs);
    }
}

// Lets the other process handle what was sent before a check that something did NOT happen.
inline void Settle(int ms = 300) {
    Sleep(ms);
}
