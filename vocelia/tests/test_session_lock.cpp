#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "vocelia/SessionLock.h"

namespace {

TEST(SessionLock, OneBridgePerSession) {
    struct Case {
        const char* rule;
        const char* leftover;  // what a bridge that crashed left in the file; nullptr: no file
        bool firstStays;       // the first bridge still runs when the second starts
        bool secondTaken;
    };
    const Case cases[] = {
        {"a second bridge finds the session held", nullptr, true, false},
        {"the next bridge takes the session once the first has gone", nullptr, false, true},
        {"a file left by a bridge that crashed does not hold the session", "12345", false, true},
    };
    for (const Case& c : cases) {
        QTemporaryDir runtime;
        const QString path = SessionLockPath(runtime.path(), ":0");
        if (c.leftover) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << c.rule;
            file.write(c.leftover);
        }
        auto first = std::make_unique<SessionLock>(path);
        EXPECT_TRUE(first->Taken()) << c.rule;
        if (!c.firstStays) first.reset();
        const SessionLock second(path);
        EXPECT_EQ(second.Taken(), c.secondTaken) << c.rule;
        EXPECT_EQ(second.HeldElsewhere(), !c.secondTaken) << c.rule;
        EXPECT_EQ(second.Holder(), QCoreApplication::applicationPid()) << c.rule;
    }
}

TEST(SessionLock, AFolderThatCannotHoldTheLockIsNeitherTakenNorHeld) {
    QTemporaryDir runtime;
    const SessionLock lock(SessionLockPath(runtime.filePath("missing"), ":0"));
    EXPECT_FALSE(lock.Taken());
    EXPECT_FALSE(lock.HeldElsewhere());
    EXPECT_FALSE(lock.Problem().isEmpty());
}

TEST(SessionLock, EachDisplayIsASessionOfItsOwn) {
    struct Case {
        const char* rule;
        const char* display;
        const char* file;
    };
    const Case cases[] = {
        {"the first local display", ":0", "vocelia-_0.lock"},
        {"the screen does not count", ":0.1", "vocelia-_0.lock"},
        {"another display", ":1", "vocelia-_1.lock"},
        {"a display on another host", "remote:10.0", "vocelia-remote_10.lock"},
        {"no slash of a display name reaches the path", "/tmp/launch/org:0",
         "vocelia-_tmp_launch_org_0.lock"},
        {"no display at all", "", "vocelia-.lock"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SessionLockPath("/run/user/1000", c.display), QString("/run/user/1000/") + c.file)
            << c.rule;
    }
}

}  // namespace
