#include "lang/language.h"
#include "ui/calculatorapp.h"
#include "ui/failurereporter.h"
#include "ui/form.h"
#include "ui/forms.h"
#include "ui/twips.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class CountingReporter : public calcui::FailureReporter {
public:
    void report(QWidget*, const QString&) override { ++failures; }
    int failures = 0;
};

// One START of the main window, from the click to the file on disk.
void BM_MainWindowStart(benchmark::State& state) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());

    CountingReporter reporter;
    calcui::Environment environment;
    environment.texts = &calc::EnglishTable();
    environment.reporter = &reporter;
    environment.endProgram = [] {};
    calcui::Forms forms(std::move(environment));
    calcui::RegisterCalculatorWindows(forms);
    forms.setFactory(calcui::FormId::LIN1, nullptr);
    forms.setFactory(calcui::FormId::Illustrations, nullptr);
    forms.startUp();
    calcui::Form* tv = forms.find(calcui::FormId::TV);
    tv->findChild<QLineEdit*>("Text5")->setText("13");
    QPushButton* start = tv->findChild<QPushButton*>("Gprog");

    for (auto _ : state) {
        start->click();
    }
    if (reporter.failures) {
        state.SkipWithError("START reported a failure");
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_MainWindowStart)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    calcui::installWindowFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
