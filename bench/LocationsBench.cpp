// The Locations page on the real widgets (offscreen), with the largest library the program accepts
// and with a tenth of it: a keystroke in the search box, clearing the search, and the page shown for
// the first time. Each case ends with the part of the window that changed painted and handed to the
// (offscreen) platform. The list's work should follow what is on screen, not the size of the
// library, so after the table the bench prints how much dearer a keystroke is at 200 than at 20.
#include "FullLibrary.h"
#include "app/AppModel.h"
#include "core/AtomicFile.h"
#include "core/LibraryDocument.h"
#include "ui/components/Theme.h"
#include "ui/shell/MainWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

using namespace vantorel;

namespace {

// A window over a document of `locations` locations, a third of them favourites.
struct Window {
    QTemporaryDir folder;
    std::unique_ptr<AppModel> model;
    std::unique_ptr<MainWindow> window;

    Window(AppPage page, int locations) {
        const auto document = std::filesystem::path(folder.path().toStdString()) / "locations-v1.json";
        (void)writeFileAtomically(LibraryDocument::encode(fullLibrary(locations)), document);
        model = std::make_unique<AppModel>(std::make_unique<NoVault>(), document);
        model->setPage(page);
        window = std::make_unique<MainWindow>(*model);
        window->show();
        settle();
    }
    // The model's change reaches the views on the next turn; the layout and the paint of what
    // changed follow as posted events, as they do in the running program.
    void settle() const {
        QApplication::processEvents();
        QApplication::processEvents();
    }
    QLineEdit& search() const { return *window->findChild<QLineEdit*>(QStringLiteral("searchField")); }
};

double seconds(std::chrono::steady_clock::duration elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

// "Location " shows every row; the keystroke "1" narrows them to 111 of 200 (11 of 20) and the next
// one (Backspace) widens them again. Either way more rows are listed than the page shows, so both
// sizes have the same rows' worth of screen to redo, and only the size of the library differs.
void searchKeystroke(benchmark::State& state) {
    Window shown(AppPage::locations, int(state.range(0)));
    QTest::keyClicks(&shown.search(), "Location ");
    shown.settle();
    bool narrow = true;
    for (auto _ : state) {
        QTest::keyClick(&shown.search(), narrow ? Qt::Key_1 : Qt::Key_Backspace);
        shown.settle();
        narrow = !narrow;
    }
}
BENCHMARK(searchKeystroke)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond);

// From 11 rows back to all 200 (from 1 to all 20).
void clearSearch(benchmark::State& state) {
    Window shown(AppPage::locations, int(state.range(0)));
    for (auto _ : state) {
        QTest::keyClicks(&shown.search(), "Location 12");
        shown.settle();
        QTest::keyClick(&shown.search(), Qt::Key_A, Qt::ControlModifier);
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(&shown.search(), Qt::Key_Backspace);
        shown.settle();
        state.SetIterationTime(seconds(std::chrono::steady_clock::now() - start));
    }
}
BENCHMARK(clearSearch)->Arg(20)->Arg(200)->UseManualTime()->Unit(benchmark::kMillisecond);

// A window that opened on the Connection page switches to Locations for the first time.
void firstShow(benchmark::State& state) {
    for (auto _ : state) {
        Window shown(AppPage::connection, int(state.range(0)));
        const auto start = std::chrono::steady_clock::now();
        shown.model->setPage(AppPage::locations);
        shown.settle();
        state.SetIterationTime(seconds(std::chrono::steady_clock::now() - start));
    }
}
BENCHMARK(firstShow)->Arg(20)->Arg(200)->UseManualTime()->Unit(benchmark::kMillisecond);

// The console table, and beside it the keystroke's times by library size: the median of the
// repetitions when there are several, else the one run.
class Reporter final : public benchmark::ConsoleReporter {
public:
    Reporter() : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_Color : OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_name.function_name != "searchKeystroke" || run.error_occurred) {
                continue;
            }
            if (run.run_type == Run::RT_Iteration) {
                m_runs[run.run_name.args].push_back(run.GetAdjustedRealTime());
            } else if (run.aggregate_name == "median") {
                m_medians[run.run_name.args] = run.GetAdjustedRealTime();
            }
        }
    }

    // Nothing when either size was not run (a --benchmark_filter).
    void printRatio() {
        const auto time = [&](const std::string& locations) -> std::optional<double> {
            if (const auto median = m_medians.find(locations); median != m_medians.end()) {
                return median->second;
            }
            auto& runs = m_runs[locations];
            if (runs.empty()) {
                return std::nullopt;
            }
            std::ranges::nth_element(runs, runs.begin() + std::ptrdiff_t(runs.size() / 2));
            return runs[runs.size() / 2];
        };
        const auto large = time("200");
        const auto small = time("20");
        if (large && small && *small > 0) {
            std::printf("searchKeystroke ratio 200/20 locations: %.2f\n", *large / *small);
        }
    }

private:
    std::map<std::string, std::vector<double>> m_runs;
    std::map<std::string, double> m_medians;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    Theme::apply(application);
    benchmark::Initialize(&argc, argv);
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio();
    benchmark::Shutdown();
    return 0;
}
