#pragma once

#include "lang/language.h"
#include "ui/failurereporter.h"
#include "ui/forms.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QStringList>

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
    int ends = 0;
    std::unique_ptr<calcui::Forms> forms;
};
