// A copy left running by an earlier run would take the hand-off of every test: end it first,
// and end whatever a failing test left behind.
#include <gtest/gtest.h>

#include "harness/marnelo.h"

namespace {

class NoStrayCopies : public testing::Environment {
  public:
    void SetUp() override { KillStrayCopies(); }
    void TearDown() override { KillStrayCopies(); }
};

const auto* const registered = testing::AddGlobalTestEnvironment(new NoStrayCopies);

}  // namespace
