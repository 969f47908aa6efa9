#pragma once

#include "controltable.h"
#include "platform.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace forms {

enum class FormId {
    TV,            // the calculator's main window
    LIN1,          // the compass window
    Illustrations, // RIS123E in the English build, RIS123 in the Russian one
    SDREVIK,       // the launcher's window
};

class Runtime;

// A window: its table, its handlers and its window variables. The runtime
// makes it on first use and has the platform build it from its table; the
// handlers reach the controls by name.
class Form : public WindowEvents {
public:
    // Has the platform build the window from `table`, hidden.
    Form(Runtime& runtime, const WindowTable& table);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Runs when the window is loaded, before it is first shown.
    virtual void Form_Load() {}
    // Whether closing this window from its title bar ends the program.
    virtual bool closingEndsProgram() const { return false; }

    NativeWindow& window() const { return *m_window; }

    void clicked(std::string_view control) override;
    void closeRequested() override;

protected:
    Runtime& forms() const { return m_runtime; }
    Platform& platform() const;

    std::string text(std::string_view control) const { return m_window->text(control); }
    void setText(std::string_view control, std::string_view text) {
        m_window->setText(control, text);
    }
    // Lets every pending event run to its end. When the window was closed or
    // the program ended meanwhile, the handler that yielded stops here,
    // quietly.
    void yield();

    template <class Window> using Click = std::pair<std::string_view, void (Window::*)()>;

    // Runs the handler that `clicks` gives for `control`, if any.
    template <class Window>
    static void dispatch(Window& window, std::string_view control,
                         std::initializer_list<Click<Window>> clicks) {
        for (const auto& [name, handler] : clicks) {
            if (name == control) {
                (window.*handler)();
                return;
            }
        }
    }

private:
    friend class Runtime;
    // The handler of a click on `control`; nothing for a control without one.
    virtual void click(std::string_view control) = 0;

    Runtime& m_runtime;
    NativeWindow* m_window = nullptr;
    int m_running = 0; // its handlers under way (one inside another's yield makes two)
};

// The window runtime: one instance per window type, made on first use and
// referred to by its id. Loading runs the window's Form_Load without showing
// it; showing loads first when needed; unloading discards the window and its
// state, so the next use loads it afresh. A failure stops its handler and is
// reported; a window closed while one of its handlers is under way is
// destroyed once that handler has returned. Windows reach each other only
// through here.
class Runtime {
public:
    using Factory = std::function<std::unique_ptr<Form>(Runtime&)>;

    explicit Runtime(Platform& platform);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // A window type without a factory is not part of this program: loading or
    // showing it does nothing.
    void setFactory(FormId id, Factory factory);

    // Makes and loads the window if it is not loaded. A failing Form_Load
    // discards the half-loaded window again and passes the failure on.
    Form* load(FormId id);
    // Loads when needed, then shows the window modeless, in front and active.
    void show(FormId id);
    void unload(FormId id);
    Form* find(FormId id) const;
    bool isLoaded(FormId id) const { return find(id) != nullptr; }

    // Program start: loads the start-up window (a failure of its Form_Load is
    // reported, and the window still comes up with what the load did) and
    // shows it.
    void startUp(FormId id);
    // Ends the program; from here on no handler runs.
    void end();
    bool ended() const { return m_ended; }

    // Runs a handler of `form` (none: of the program); a failure stops it and
    // is reported.
    void run(Form* form, const std::function<void()>& handler);

    Platform& platform() const { return m_platform; }

private:
    friend class Form;
    void clicked(Form& form, std::string_view control);
    void closeRequested(Form& form);
    void release(std::unique_ptr<Form> form);
    void handlerReturned(Form& form);
    std::optional<FormId> idOf(const Form& form) const;
    Form* create(FormId id);

    Platform& m_platform;
    std::map<FormId, Factory> m_factories;
    std::map<FormId, std::unique_ptr<Form>> m_instances;
    // Unloaded while a handler of theirs was under way; destroyed when it returns.
    std::vector<std::unique_ptr<Form>> m_closing;
    bool m_ended = false;
};

} // namespace forms
