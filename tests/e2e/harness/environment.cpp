// A copy left running by an earlier run would take the hand-off of every test: end it first,
// and end whatever a failing test left behind.
#include <gtest/gtest.h>

#include "harness/marnelo.h"
#include "harness/quorvel.h"
#include "harness/ui.h"

namespace {

// A run ended while a test had set a screen DPI of its own would leave it for every later run.
void ForgetTestScreenDpi() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_ALL_ACCESS, &key)) return;
    DWORD dpi = 0, size = sizeof dpi;
    if (!RegQueryValueExA(key, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&dpi),
                          &size) &&
        dpi == kTestScreenDpi)
        RegDeleteValueA(key, "LogPixels");
    RegCloseKey(key);
}

class NoStrayCopies : public testing::Environment {
  public:
    void SetUp() override {
        ForgetTestScreenDpi();
        KillStrayCopies();
        KillStrayQuorvels();
    }
    void TearDown() override {
        KillStrayCopies();
        KillStrayQuorvels();
    }
};

const auto* const registered = testing::AddGlobalTestEnvironment(new NoStrayCopies);

}  // namespace
