#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

#include "tests/support/OrvaletProcess.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

// Every object of the running keyboard on the accessibility bus, one line each:
// role, name, description and the states that matter, separated by '|'. Only the keyboard's
// own process is asked: another application on the bus may be too busy to answer.
QStringList AccessibleObjects(qint64 pid) {
    const char* script = R"(
import sys
import pyatspi
def states(node):
    s = node.getState()
    return ','.join(n for n, st in (('expandable', pyatspi.STATE_EXPANDABLE),
                                    ('expanded', pyatspi.STATE_EXPANDED),
                                    ('selected', pyatspi.STATE_SELECTED),
                                    ('checked', pyatspi.STATE_CHECKED)) if s.contains(st))
def walk(node):
    for child in node:
        if child is None:
            continue
        print('|'.join((child.getRoleName(), child.name, child.description, states(child))))
        walk(child)
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.get_process_id() == int(sys.argv[1]):
        walk(app)
)";
    QProcess python;
    // The system's interpreter, which holds the accessibility bindings.
    python.start("/usr/bin/python3", {"-c", script, QString::number(pid)});
    if (!python.waitForFinished(20000)) return {};
    return QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

TEST(Accessibility, AScreenReaderSeesTheWindowTheButtonsTheMenuAndTheKeys) {
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) {
        GTEST_SKIP() << "no accessibility bus (ORVALET_E2E_ATSPI=1)";
    }
    OrvaletProcess orvalet;
    ASSERT_TRUE(orvalet.WaitForMainWindow());
    struct Expected {
        const char* what;
        QString line;  // the start of an object's line
    };
    const Expected expected[] = {
        {"the window", "frame|Orvalet|"},
        {"the shift toggle, down",
         QString::fromUtf8("check box|shift|Shift (Majúscula primera lletra)|checked")},
        {"the read button with its hint", "push button|Llegir lo escrit|Llegir lo escrit"},
        {"a menu item", "menu item|Obrir...|"},
        {"a group of keys", "table cell|TECLES ESPECIALS||expandable"},
        {"a key", "table cell|RETURN|"},
        {"a syllable group", "table cell|B||expandable"},
    };
    QStringList objects;
    for (const Expected& e : expected) {
        const bool found = WaitFor([&] {
            objects = AccessibleObjects(orvalet.process().processId());
            return std::any_of(objects.begin(), objects.end(),
                               [&](const QString& line) { return line.startsWith(e.line); });
        });
        EXPECT_TRUE(found) << e.what << "\n" << objects.join("\n").toStdString();
    }
}

}  // namespace
}  // namespace e2e
