#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <chrono>

#include "platform/gnome/EventLoopWait.h"

namespace {

using namespace std::chrono_literals;
using platform::gnome::WaitUntil;

QCoreApplication& Application() {
    static int argc = 1;
    static char name[] = "gnome_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    return application;
}

// A wait on a quiet event loop must still end at its limit; one that slept on after a wake
// that came early froze the keyboard and the tests for good.
TEST(EventLoopWait, AConditionThatNeverHoldsEndsTheWaitAtItsLimit) {
    Application();
    for (const auto limit : {1ms, 20ms, 60ms, 250ms, 500ms, 555ms}) {
        EXPECT_FALSE(WaitUntil([] { return false; }, limit)) << limit.count() << " ms";
    }
}

TEST(EventLoopWait, AConditionMadeTrueByAnEventEndsTheWait) {
    Application();
    struct Case {
        const char* name;
        std::chrono::milliseconds after;
        std::chrono::milliseconds limit;
        bool holds;
    };
    const Case cases[] = {
        {"an event in time", 10ms, 2000ms, true},
        {"an event after the limit", 300ms, 30ms, false},
    };
    for (const Case& c : cases) {
        bool happened = false;
        QTimer event;
        event.setSingleShot(true);
        QObject::connect(&event, &QTimer::timeout, [&] { happened = true; });
        event.start(c.after);
        EXPECT_EQ(WaitUntil([&] { return happened; }, c.limit), c.holds) << c.name;
    }
}

}  // namespace
