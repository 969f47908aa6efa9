#pragma once

#include "lang/language.h"
#include "ui/forms.h"
#include "widgets/failurereporter.h"

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
class RecordingReporter : public calcui::FailureReporter {
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

// A window runtime for one test: its reports are recorded and ending the
// program only counts.
struct TestForms {
    explicit TestForms(const calc::LanguageTable& texts = calc::EnglishTable(),
                       std::string programDirectory = {}) {
        forms = std::make_unique<calcui::Forms>(
            calcui::Environment{.texts = &texts,
                                .programDirectory = std::move(programDirectory),
                                .reporter = &reporter,
                                .endProgram = [this] { ++ends; }});
    }
    ~TestForms() {
        forms.reset();
        // Windows unloaded during the test are deleted on the next pass of the
        // event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    RecordingReporter reporter;
    ShownWindows shown;
    int ends = 0;
    std::unique_ptr<calcui::Forms> forms;
};
