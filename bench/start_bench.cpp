#include "core/tempdir.h"
#include "lang/language.h"
#include "qt/failurereporter.h"
#include "qt/twips.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "benchforms.h"

#include <benchmark/benchmark.h>

namespace {

// One START of the main window, from the click to the file on disk.
void BM_MainWindowStart(benchmark::State& state) {
    TempDir dir;
    const InWorkingDirectory inDir(dir.path());

    BenchForms bench({forms::FormId::LIN1, forms::FormId::Illustrations});
    QWidget* tv = bench.window(forms::FormId::TV);
    tv->findChild<QLineEdit*>("Text5")->setText("13");
    QPushButton* start = tv->findChild<QPushButton*>("Gprog");

    for (auto _ : state) {
        start->click();
    }
    if (bench.reporter.failures) {
        state.SkipWithError("START reported a failure");
    }
}
BENCHMARK(BM_MainWindowStart)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    qtui::installWindowFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
