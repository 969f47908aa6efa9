#pragma once

#include "widgets/failurereporter.h"

#include <QPointer>
#include <QString>

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace calc {
struct LanguageTable;
}

namespace calcui {

class Form;

enum class FormId {
    TV,            // the main window
    LIN1,          // the compass window
    Illustrations, // RIS123E in the English build, RIS123 in the Russian one
};

// What the windows need from outside: the build's texts, the directory the
// installation's files lie in, where failures go and how the program ends.
struct Environment {
    const calc::LanguageTable* texts = nullptr;
    std::string programDirectory;
    FailureReporter* reporter = nullptr;
    std::function<void()> endProgram;
};

// The window runtime: one instance per window type, created on first use.
// Loading runs the window's Form_Load without showing it; showing loads first
// when needed; unloading discards the instance and all its state, so the next
// use loads it afresh. Windows reach each other only through here.
class Forms {
public:
    using Factory = std::function<Form*(Forms&)>;

    explicit Forms(Environment environment);
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    void setFactory(FormId id, Factory factory);

    // Creates and loads the window if it is not loaded. A failing Form_Load
    // discards the half-loaded window again and passes the failure on. A window
    // type without a factory is not part of this program: nothing happens.
    Form* load(FormId id);
    // Loads when needed, then shows the window modeless and brings it to the
    // front, active.
    void show(FormId id);
    void unload(FormId id);
    Form* find(FormId id) const;
    bool isLoaded(FormId id) const { return find(id) != nullptr; }

    // Program start: loads the main window (a failure of its Form_Load is
    // reported, and the window still comes up with what the load did) and
    // shows it last.
    void startUp();
    // Ends the program at once; no window's handlers run.
    void end();

    // Runs a handler of `window`; a failure stops it and is reported.
    void runHandler(QWidget* window, const std::function<void()>& handler);

    const calc::LanguageTable& texts() const { return *m_environment.texts; }
    const std::string& programDirectory() const { return m_environment.programDirectory; }

private:
    Form* create(FormId id);

    Environment m_environment;
    std::map<FormId, Factory> m_factories;
    std::map<FormId, QPointer<Form>> m_instances;
};

} // namespace calcui
