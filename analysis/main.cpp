#include <QCoreApplication>
#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <string_view>

#include "analysis/ScanCostOptions.h"
#include "analysis/ScanCostRun.h"

namespace {

constexpr int kUsageError = 2;
constexpr std::string_view kPictureOption = "--picture";

// Drawing needs Qt's graphical side, off screen; measuring and building do not.
bool DrawsAPicture(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]).starts_with(kPictureOption)) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> application;
    if (DrawsAPicture(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    auto parsed = analysis::ParseScanCostOptions(QCoreApplication::arguments());
    if (auto* message = std::get_if<analysis::UsageMessage>(&parsed)) {
        (message->error ? std::cerr : std::cout) << message->text << "\n";
        return message->error ? kUsageError : 0;
    }
    return analysis::RunScanCost(std::get<analysis::ScanCostOptions>(parsed), std::cout, std::cerr);
}
