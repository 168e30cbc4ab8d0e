#include "tests/e2e/TypingFixture.h"
#include "tests/e2e/TypingTable.h"

namespace e2e {
namespace {

class Typing : public TypingFixture {};

TEST_F(Typing, ClickedKeysArriveInTheReceivingWindow) { typing_table::ClickedKeysArrive(*this); }

TEST_F(Typing, TheTextFollowsTheWindowTheUserWorksIn) {
    typing_table::TheTextFollowsTheWindowTheUserWorksIn(*this);
}

}  // namespace
}  // namespace e2e
