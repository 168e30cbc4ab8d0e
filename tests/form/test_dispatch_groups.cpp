#include <QAction>
#include <QApplication>
#include <string>
#include <vector>

#include "DispatchFixture.h"
#include "DispatchKeys.h"
#include "scanning/KeyTreeView.h"

namespace {

using namespace dispatchkeys;
using Texts = std::vector<std::string>;

class DispatchGroups : public DispatchFixture {};

TEST_F(DispatchGroups, SpecialAndDigitKeysLeaveGroupsOpenEveryOtherKeyClosesThem) {
    struct Row {
        const char* rule;
        Texts openFirst;
        Texts key;
        Texts openAfter;
    };
    const std::string numbers = "N\xDAMEROS";
    const Row rows[] = {
        {"the digit 7 leaves its group open", {numbers}, {numbers, "7"}, {numbers}},
        {"the operator + leaves its group open", {numbers}, {numbers, "+"}, {numbers}},
        {"? closes all groups", {numbers}, {numbers, "?"}, {}},
        {"ESBORRAR ANTERIOR leaves open groups open", {"B"}, {"ESBORRAR ANTERIOR"}, {"B"}},
        {"RETURN leaves open groups open", {"B"}, {"RETURN"}, {"B"}},
        {"an arrow leaves its group open",
         {"TECLES ESPECIALS"},
         {"TECLES ESPECIALS", "ESQUERRA"},
         {"TECLES ESPECIALS"}},
        {"ESPAI closes all groups", {"B", "C"}, {"ESPAI"}, {}},
        {"a syllable closes all groups", {"C", "B"}, {"B", "BA"}, {}},
        {"an accented vowel closes all groups", {"A"}, {"A", "\xC0"}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        form.Tree->CollapseAll();
        for (const std::string& group : row.openFirst) ClickPath({group});
        ClickPath(row.key);
        EXPECT_EQ(OpenGroups(), row.openAfter);
    }
}

TEST_F(DispatchGroups, AClickOnAnOpenGroupClosesEveryOpenGroup) {
    ClickPath({"B"});
    ClickPath({"C"});
    ASSERT_EQ(OpenGroups(), (Texts{"B", "C"}));
    EXPECT_EQ(form.scanning->EstatEscaneig.Column(), 20 + 2 * 19)
        << "each group entered moves the column one indent";
    ClickPath({"B"});
    EXPECT_TRUE(OpenGroups().empty());
    EXPECT_EQ(form.scanning->EstatEscaneig.Column(), 20);
    EXPECT_EQ(Highlighted(), "B") << "the selection stays on the group";
    EXPECT_TRUE(desktop.Keys().empty());
}

TEST_F(DispatchGroups, EnteringAGroupStartsCountingItsChildrenForPassTwice) {
    ClickPath({"B"});
    EXPECT_EQ(form.scanning->EstatEscaneig.GroupChildren(), 15);
    EXPECT_EQ(form.scanning->EstatEscaneig.GroupSteps(), -1);
    EXPECT_EQ(form.scanning->EstatEscaneig.CountedGroup(),
              scanning::KeyTreeView::NodeOf(Node({"B"})));
    ClickPath({"B"});
    EXPECT_EQ(form.scanning->EstatEscaneig.GroupChildren(), 0);
    EXPECT_EQ(form.scanning->EstatEscaneig.GroupSteps(), 0);
}

TEST_F(DispatchGroups, EnteringAGroupOpensItAloneNotItsDescendants) {
    form.Tree->SetKeyboard({{"G", {{"H", {{"X", {}}}}}}});
    ClickPath({"G"});
    EXPECT_EQ(OpenGroups(), Texts{"G"});
}

TEST_F(DispatchGroups, ADoubleClickIsTwoDispatchesAndNothingMore) {
    QTreeWidgetItem* group = Node({"B"});
    const QPoint at = RowCentre(group);
    QWidget* client = form.Tree->viewport();
    const QPointF global = client->mapToGlobal(QPointF(at));
    auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(client, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    QApplication::processEvents();
    EXPECT_TRUE(OpenGroups().empty()) << "opened by the first click, closed by the second";
}

TEST_F(DispatchGroups, AnEmptyKeyTypesNothingAndClosesAllGroups) {
    form.Tree->SetKeyboard({{"G", {{"", {}}, {"X", {}}}}, {"H", {{"Y", {}}}}});
    ClickPath({"G"});
    ClickPath({"H"});
    ClickPath({"G", ""});
    EXPECT_TRUE(desktop.Keys().empty());
    EXPECT_TRUE(OpenGroups().empty());
}

TEST_F(DispatchGroups, WithSendingOffNothingIsSentButGroupsStillClose) {
    form.MenuEnviarLesTeclesALAplicacioActiva->trigger();
    ASSERT_FALSE(form.MenuEnviarLesTeclesALAplicacioActiva->isChecked());
    const std::string numbers = "N\xDAMEROS";
    ClickPath({"B", "BA"});
    EXPECT_TRUE(OpenGroups().empty());
    ClickPath({"TECLES ESPECIALS", "TABULADOR"});
    ClickPath({numbers, "7"});
    ClickPath({"RETURN"});
    EXPECT_TRUE(desktop.Keys().empty());
    EXPECT_EQ(OpenGroups(), (Texts{"TECLES ESPECIALS", numbers}));
    EXPECT_EQ(desktop.Foreground(), editor) << "the receiving window is still brought back";
    form.MenuEnviarLesTeclesALAplicacioActiva->trigger();
    ClickPath({"Y"});
    EXPECT_EQ(desktop.Keys(), Shifted(Tap('Y')));
}

TEST_F(DispatchGroups, AClickWithNothingSelectedLeavesBothTimersRunning) {
    ASSERT_TRUE(form.Tree->selectedItems().isEmpty());
    form.MenuActivarLEscaneigAutomatic->setChecked(true);
    form.typing->TreeClick();
    EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled());
    EXPECT_TRUE(form.scanning->TimerEscaneig.Enabled());
    EXPECT_TRUE(desktop.Keys().empty());
}

}  // namespace
