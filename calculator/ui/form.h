#pragma once

#include <QWidget>

#include <functional>

class QAbstractButton;

namespace calcui {

class Forms;
enum class FormId;

// A window of the calculator: its controls, its handlers and its window
// variables. The runtime (Forms) creates it on first use and runs Form_Load.
class Form : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(Form)

public:
    Form(Forms& forms, FormId id);

    // Runs when the window is loaded, before it is first shown.
    virtual void Form_Load() {}

protected:
    Forms& forms() const { return m_forms; }

    // Runs a handler; a failure stops it where it happened and is reported.
    void runHandler(const std::function<void()>& handler);

    // Connects a button's click to a handler of the derived window.
    template <class Window> void onClick(QAbstractButton* button, void (Window::*handler)());

    // Closing from the title bar unloads the window.
    void closeEvent(QCloseEvent* event) override;

private:
    void connectClick(QAbstractButton* button, std::function<void()> handler);

    Forms& m_forms;
    FormId m_id;
};

template <class Window> void Form::onClick(QAbstractButton* button, void (Window::*handler)()) {
    Window* self = static_cast<Window*>(this);
    connectClick(button, [self, handler] { (self->*handler)(); });
}

} // namespace calcui
