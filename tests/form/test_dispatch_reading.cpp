#include <QAction>

#include "SpeakingFormFixture.h"

namespace {

class DispatchReading : public SpeakingForm {};

TEST_F(DispatchReading, WithSendingOffAKeyIsReadButNotSent) {
    form->MenuLlegirElQueSEscriu->trigger();
    ASSERT_TRUE(form->MenuLlegirElQueSEscriu->isChecked());
    form->MenuEnviarLesTeclesALAplicacioActiva->trigger();
    QTreeWidgetItem* group = form->Tree->topLevelItem(10);
    ASSERT_EQ(KeyTree::TextOf(group), "B");
    ClickRow(group);
    ClickRow(group->child(1));
    EXPECT_EQ(Reads(), std::vector<std::string>{"Read(ba )"});
    EXPECT_TRUE(desktop.CallsNamed("keybd_event").empty());
    EXPECT_FALSE(group->isExpanded());
}

TEST_F(DispatchReading, TheKeyIsReadBeforeItIsTyped) {
    form->MenuLlegirElQueSEscriu->trigger();
    ClickRow(form->Tree->topLevelItem(32));
    ASSERT_EQ(Reads(), std::vector<std::string>{"Read(y )"});
    ASSERT_FALSE(desktop.stamps.empty()) << "Y is typed too";
    EXPECT_EQ(form->Tree->topLevelItem(32)->text(0), "Y");
}

}  // namespace
