#include <QAction>

#include "SpeakingFormFixture.h"

namespace {

class ScanningReading : public SpeakingForm {
  protected:
    int StepTime() { return form->scanning->TimerEscaneig.Interval(); }
    std::string Highlighted() {
        const QList<QTreeWidgetItem*> selected = form->Tree->selectedItems();
        return selected.isEmpty() ? "(none)" : KeyTree::TextOf(selected.first());
    }
};

TEST_F(ScanningReading, TheScanHoldsOnAKeyWhileItIsSpokenAndOneStepAfter) {
    form->MenuLlegirlateclaEnEscaneigAutomatic->trigger();
    ASSERT_TRUE(form->MenuLlegirlateclaEnEscaneigAutomatic->isChecked());
    SpeakBetween(10, 2500);
    const uint32_t start = desktop.GetTickCount();
    form->MenuActivarLEscaneigAutomatic->trigger();
    // The first key is read, and the scan holds on it until it has been spoken.
    EXPECT_EQ(Reads(), std::vector<std::string>{"Read(tecles especials )"});
    EXPECT_FALSE(form->scanning->TimerEscaneig.Enabled());
    while (!form->scanning->TimerEscaneig.Enabled() && desktop.GetTickCount() - start < 10000) {
        desktop.Advance(100);
    }
    EXPECT_GE(desktop.GetTickCount() - start, 2500u);
    EXPECT_FALSE(form->speech->TimerStatusUpcTV.Enabled());
    EXPECT_TRUE(form->scanning->TimerEscaneig.Enabled());
    EXPECT_EQ(desktop.Foreground(), editor);
    desktop.Advance(static_cast<uint32_t>(StepTime() - 1));
    EXPECT_EQ(Highlighted(), "TECLES ESPECIALS");
    SpeakBetween(10, 500);
    desktop.Advance(1);
    EXPECT_EQ(Highlighted(), "RETURN");
    EXPECT_EQ(Reads(), (std::vector<std::string>{"Read(tecles especials )", "Read(return )"}));
    EXPECT_EQ(form->scanning->EstatEscaneig.PreviousText(), "RETURN");
}

TEST_F(ScanningReading, AKeyIsNotReadWhileTheEngineIsStillSpeaking) {
    form->MenuLlegirlateclaEnEscaneigAutomatic->trigger();
    library.SetStatus(1);
    form->MenuActivarLEscaneigAutomatic->trigger();
    EXPECT_TRUE(Reads().empty());
    desktop.Advance(static_cast<uint32_t>(StepTime()));
    EXPECT_TRUE(Reads().empty());
    EXPECT_EQ(form->scanning->EstatEscaneig.PreviousText(), "RETURN")
        << "the step goes on as without reading";
    EXPECT_TRUE(form->scanning->TimerEscaneig.Enabled());
}

TEST_F(ScanningReading, ReadingHighlightedKeysUnticksReadingTypedKeys) {
    form->MenuLlegirElQueSEscriu->setChecked(true);
    form->MenuLlegirlateclaEnEscaneigAutomatic->trigger();
    EXPECT_TRUE(form->MenuLlegirlateclaEnEscaneigAutomatic->isChecked());
    EXPECT_FALSE(form->MenuLlegirElQueSEscriu->isChecked());
    form->MenuLlegirlateclaEnEscaneigAutomatic->trigger();
    EXPECT_FALSE(form->MenuLlegirlateclaEnEscaneigAutomatic->isChecked());
}

}  // namespace
