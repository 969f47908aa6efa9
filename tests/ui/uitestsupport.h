#pragma once

#include "forms/calculatorforms.h"
#include "forms/runtime.h"
#include "lang/language.h"
#include "qt/failurereporter.h"
#include "qt/qtplatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <ostream>

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{';
    for (const QString& text : list) {
        PrintTo(text, out);
        *out << ' ';
    }
    *out << '}';
}

// Failures land in a list instead of a message box.
class RecordingReporter : public qtui::FailureReporter {
public:
    void report(QWidget*, const QString& message) override { messages << message; }
    QStringList messages;
};

// The names of the windows that came on screen while it existed, in the order
// they came.
class ShownWindows : public QObject {
public:
    ShownWindows() { QCoreApplication::instance()->installEventFilter(this); }
    ~ShownWindows() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->isWidgetType() &&
            static_cast<QWidget*>(object)->isWindow()) {
            names << object->objectName();
        }
        return false;
    }
    QStringList names;
};

// A window runtime on Qt for one test: its reports are recorded and ending
// the program only counts.
struct TestForms {
    explicit TestForms(const calc::LanguageTable& texts = calc::EnglishTable(),
                       std::string programDirectory = {})
        : texts(texts), platform(reporter, std::move(programDirectory), [this] { ++ends; }),
          forms(std::make_unique<forms::Runtime>(platform)) {}
    ~TestForms() {
        forms.reset();
        // Windows unloaded during the test are deleted on the next pass of the
        // event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void registerCalculatorWindows() { calculator::RegisterCalculatorWindows(*forms, texts); }
    // The window on screen, or none when it is not loaded.
    QWidget* window(forms::FormId id) const {
        const forms::Form* form = forms->find(id);
        return form ? qtui::WidgetOf(form->window()) : nullptr;
    }

    const calc::LanguageTable& texts;
    RecordingReporter reporter;
    ShownWindows shown;
    int ends = 0;
    qtui::QtPlatform platform;
    std::unique_ptr<forms::Runtime> forms;
};
