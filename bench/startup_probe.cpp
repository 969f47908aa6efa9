// Starts like the program does and quits as soon as the first window of the
// program is exposed; the start-up benchmark times it from outside. Built
// twice: as the calculator (the English build, its files in bin/), and as the
// floor that Qt itself sets: an application with one empty window.
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#ifdef PROBE_CALCULATOR
#include "lang/language.h"
#include "ui/calculatorapp.h"
#include "ui/form.h"
#endif

namespace {

class QuitOnExpose : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            QCoreApplication::exit(0);
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QuitOnExpose quit;
#ifdef PROBE_CALCULATOR
    calcui::SetUpCalculatorApplication(calc::EnglishTable());
    calcui::Calculator calculator(calc::EnglishTable(), PROBE_PROGRAM_DIRECTORY);
    calculator.forms().startUp();
    QWidget* window = calculator.forms().find(calcui::FormId::TV);
#else
    QWidget empty;
    empty.show();
    QWidget* window = &empty;
#endif
    window->windowHandle()->installEventFilter(&quit);
    return QApplication::exec();
}
