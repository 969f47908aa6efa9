#pragma once

#include "lang/language.h"
#include "ui/calculatorapp.h"
#include "ui/forms.h"
#include "widgets/failurereporter.h"

#include <initializer_list>

// The calculator's windows for a benchmark: the English texts, failures
// counted instead of shown, and only the windows the benchmark needs.
class CountingReporter : public calcui::FailureReporter {
public:
    void report(QWidget*, const QString&) override { ++failures; }
    int failures = 0;
};

struct BenchForms {
    explicit BenchForms(std::initializer_list<calcui::FormId> without)
        : forms({.texts = &calc::EnglishTable(),
                 .programDirectory = {},
                 .reporter = &reporter,
                 .endProgram = [] {}}) {
        calcui::RegisterCalculatorWindows(forms);
        for (calcui::FormId id : without) {
            forms.setFactory(id, nullptr);
        }
        forms.startUp();
    }

    CountingReporter reporter;
    calcui::Forms forms;
};
