#include "tests/e2e/TypingTable.h"
#include "tests/e2e/wayland/WaylandTypingFixture.h"

namespace e2e {
namespace {

class WaylandTyping : public WaylandTypingFixture {};

TEST_F(WaylandTyping, ClickedKeysArriveInANativeWaylandApplication) {
    typing_table::ClickedKeysArrive(*this);
}

TEST_F(WaylandTyping, TheCaptionAndTheTextFollowTheWindowTheUserWorksIn) {
    typing_table::TheTextFollowsTheWindowTheUserWorksIn(*this);
}

}  // namespace
}  // namespace e2e
