#pragma once

#include "forms/calculatorforms.h"
#include "forms/runtime.h"
#include "lang/language.h"
#include "qt/failurereporter.h"
#include "qt/qtplatform.h"

#include <initializer_list>

// The calculator's windows for a benchmark: the English texts, failures
// counted instead of shown, and only the windows the benchmark needs.
class CountingReporter : public qtui::FailureReporter {
public:
    void report(QWidget*, const QString&) override { ++failures; }
    int failures = 0;
};

struct BenchForms {
    explicit BenchForms(std::initializer_list<forms::FormId> without)
        : platform(reporter, {}, [] {}), forms(platform) {
        calculator::RegisterCalculatorWindows(forms, calc::EnglishTable());
        for (forms::FormId id : without) {
            forms.setFactory(id, nullptr);
        }
        forms.startUp(forms::FormId::TV);
    }
    QWidget* window(forms::FormId id) { return qtui::WidgetOf(forms.find(id)->window()); }

    CountingReporter reporter;
    qtui::QtPlatform platform;
    forms::Runtime forms;
};
