// The Locations page with the largest library the program accepts, on the real widgets (offscreen):
// a keystroke in the search box, clearing the search, and the page shown for the first time. Each
// case ends with the part of the window that changed painted and handed to the (offscreen) platform.
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
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

using namespace vantorel;

namespace {

// A window over a document of 200 locations, a third of them favourites.
struct Window {
    QTemporaryDir folder;
    std::unique_ptr<AppModel> model;
    std::unique_ptr<MainWindow> window;

    explicit Window(AppPage page) {
        const auto document = std::filesystem::path(folder.path().toStdString()) / "locations-v1.json";
        (void)writeFileAtomically(LibraryDocument::encode(fullLibrary()), document);
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

// "Location 1" shows 111 rows; the keystroke "2" narrows them to 11, the next one (Backspace)
// widens them again.
void searchKeystroke(benchmark::State& state) {
    Window shown(AppPage::locations);
    QTest::keyClicks(&shown.search(), "Location 1");
    shown.settle();
    bool narrow = true;
    for (auto _ : state) {
        QTest::keyClick(&shown.search(), narrow ? Qt::Key_2 : Qt::Key_Backspace);
        shown.settle();
        narrow = !narrow;
    }
}
BENCHMARK(searchKeystroke)->Unit(benchmark::kMillisecond);

// From 11 rows back to all 200.
void clearSearch(benchmark::State& state) {
    Window shown(AppPage::locations);
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
BENCHMARK(clearSearch)->UseManualTime()->Unit(benchmark::kMillisecond);

// A window that opened on the Connection page switches to Locations for the first time.
void firstShow(benchmark::State& state) {
    for (auto _ : state) {
        Window shown(AppPage::connection);
        const auto start = std::chrono::steady_clock::now();
        shown.model->setPage(AppPage::locations);
        shown.settle();
        state.SetIterationTime(seconds(std::chrono::steady_clock::now() - start));
    }
}
BENCHMARK(firstShow)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    Theme::apply(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
