// Time and peak memory to open keyboard files from the menu: the dialog answering with
// the file, reading, building the tree view, the question answered Yes and the special
// keys added. Each size runs in its own child process, started before any window
// exists, so that its peak memory is its own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/Programa.h"
#include "app/TFormPrincipal.h"
#include "platform/Constants.h"
#include "platform/fake/FakeDesktop.h"

namespace {

// Groups of twenty keys each, one tab per level, CR LF.
std::string Keyboard(std::size_t lines) {
    std::string text;
    for (std::size_t i = 0; i < lines; ++i) {
        text += i % 20 == 0 ? "GRUP " + std::to_string(i / 20) : "\tBRA" + std::to_string(i % 20);
        text += "\r\n";
    }
    return text;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

int MeasureInChild(int argc, char** argv, std::size_t lines) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const std::string path = folder.filePath("bench.QuarnelTeclat").toStdString();
    std::ofstream(path, std::ios::binary) << Keyboard(lines);
    platform::FakeDesktop desktop;
    Programa programa(desktop);
    TFormPrincipal form(programa);
    const double before = PeakMegabytes();
    form.keyboards->OpenFileDialog = [&] { return std::optional<std::string>(path); };
    desktop.QueueMessageBoxAnswer(platform::IDYES);
    const auto start = std::chrono::steady_clock::now();
    form.keyboards->MenuObrirClick();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("%9zu lines: %9.1f ms, peak %7.1f MB (window alone %5.1f MB), %d nodes\n", lines,
                took.count(), PeakMegabytes(), before, form.Tree->CountNodes());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    for (std::size_t lines : {std::size_t{10'000}, std::size_t{1'000'000}}) {
        const pid_t child = fork();
        if (child == 0) return MeasureInChild(argc, argv, lines);
        int status = 0;
        waitpid(child, &status, 0);
    }
    return 0;
}
