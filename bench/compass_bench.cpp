// One whole START of the compass window, as the user clicks it: both crosses,
// the yield, the centre dot, the hand-off file, the direction line, the arc and
// the label, on Qt's offscreen platform.

#include "core/tempdir.h"
#include "lang/language.h"
#include "qt/failurereporter.h"
#include "qt/twips.h"

#include <QApplication>
#include <QPushButton>

#include "benchforms.h"

#include <benchmark/benchmark.h>

namespace {

void CompassStart(benchmark::State& state) {
    TempDir directory;
    directory.write("rlin1.txt", "217.344292538128,44.8168481749088\r\n");
    const InWorkingDirectory inDirectory(directory.path());
    BenchForms bench({forms::FormId::Illustrations});
    bench.forms.show(forms::FormId::LIN1);
    QPushButton* start = bench.window(forms::FormId::LIN1)->findChild<QPushButton*>("START");
    QCoreApplication::processEvents();

    for (auto _ : state) {
        start->click();
    }
    if (bench.reporter.failures != 0) {
        state.SkipWithError("START reported a failure");
    }
}

BENCHMARK(CompassStart)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    qtui::installWindowFonts();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
