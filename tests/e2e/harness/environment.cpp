// A copy left running by an earlier run would take the hand-off of every test: end it first,
// and end whatever a failing test left behind.
#include <gtest/gtest.h>

#include "harness/marnelo.h"
#include "harness/quorvel.h"

namespace {

class NoStrayCopies : public testing::Environment {
  public:
    void SetUp() override {
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
