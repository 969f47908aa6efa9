// Starts like the program does and quits as soon as its main window is
// exposed, printing how long that took since the benchmark started it (the
// benchmark passes its clock reading, CLOCK_MONOTONIC in nanoseconds, as the
// one argument). Built
// three times: as the calculator (the English build, its files in bin/), as
// the floor that Qt itself sets (an application with one empty window), and
// as that floor with one line of text, which is what loading fonts costs.
#include <QApplication>
#include <QLabel>

#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#ifdef PROBE_CALCULATOR
#include "lang/language.h"
#include "qt/program.h"
#endif

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

class QuitOnExpose : public QObject {
public:
    explicit QuitOnExpose(long long startedAt) : m_startedAt(startedAt) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            std::printf("%lld\n", monotonicNanoseconds() - m_startedAt);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return false;
    }

private:
    long long m_startedAt;
};

} // namespace

int main(int argc, char** argv) {
    const long long startedAt = argc > 1 ? std::atoll(argv[1]) : monotonicNanoseconds();
    QApplication app(argc, argv);
    QuitOnExpose quit(startedAt);
#ifdef PROBE_CALCULATOR
    qtui::SetUpCalculatorApplication(calc::EnglishTable());
    qtui::Calculator calculator(calc::EnglishTable(), PROBE_PROGRAM_DIRECTORY);
    calculator.forms().startUp(forms::FormId::TV);
    QWidget* window = qtui::WidgetOf(calculator.forms().find(forms::FormId::TV)->window());
#elif defined(PROBE_LABEL)
    QLabel label("One line of text");
    label.show();
    QWidget* window = &label;
#else
    QWidget empty;
    empty.show();
    QWidget* window = &empty;
#endif
    window->windowHandle()->installEventFilter(&quit);
    return QApplication::exec();
}
