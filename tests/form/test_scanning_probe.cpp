#include <gtest/gtest.h>

#include <QFont>

#include "scan/StepTime.h"
#include "scanning/RowProbe.h"

namespace {

TEST(ScanningProbe, RowsAreProbedOneFontSizeApartAndAlwaysAdvance) {
    struct Row {
        const char* rule;
        int points;
        int height;
        std::vector<int> heights;
    };
    const Row rows[] = {
        {"8 points: from 4, every 8 pixels", 8, 40, {4, 12, 20, 28, 36}},
        {"9 points: from 5", 9, 30, {5, 14, 23}},
        {"a client area smaller than half a row holds no probe", 12, 6, {}},
        {"0 points still advance by one pixel", 0, 5, {0, 1, 2, 3, 4}},
        {"a negative size starts at the top and advances by one", -3, 4, {0, 1, 2, 3}},
        {"a huge negative size does not probe above the client area", -1000000, 3, {0, 1, 2}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(scanning::AlcadesDeSondeig(row.points, row.height), row.heights) << row.rule;
    }
}

TEST(ScanningProbe, AFontSizedInPixelsIsCountedInPointsAt96PixelsPerInch) {
    QFont pixels;
    pixels.setPixelSize(11);
    EXPECT_EQ(scanning::PuntsDeLaFont(pixels), 8) << "the design font: 11 pixels, 8 points";
    pixels.setPixelSize(16);
    EXPECT_EQ(scanning::PuntsDeLaFont(pixels), 12);
    QFont points;
    points.setPointSize(14);
    EXPECT_EQ(scanning::PuntsDeLaFont(points), 14);
}

TEST(ScanningProbe, TheStepTimeIsTheSpinTextInTenthsOfASecond) {
    struct Row {
        const char* rule;
        const char* text;
        int ms;
    };
    const Row rows[] = {
        {"1 tenth", "1", 100},           {"12 tenths", "12", 1200}, {"64 tenths", "64", 6400},
        {"not a number", "abc", 100},    {"empty", "", 100},        {"0 is raised to 1", "0", 100},
        {"above the range", "99", 6400}, {"negative", "-5", 100},
    };
    for (const Row& row : rows) EXPECT_EQ(scan::TempsDelPas(row.text), row.ms) << row.rule;
}

}  // namespace
