#include "runtime.h"

#include <algorithm>
#include <exception>
#include <new>

namespace forms {

namespace {

// Thrown by a yield whose window has gone meanwhile: stops the handler that
// yielded without a report.
struct WindowGone {};

} // namespace

std::vector<const Control*> TabOrder(const WindowTable& table) {
    std::vector<const Control*> order;
    for (const Control& control : table.controls) {
        if (control.takesFocus() && control.tabIndex != kNoTabStop) {
            order.push_back(&control);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

Form::Form(Runtime& runtime, const WindowTable& table)
    : m_runtime(runtime), m_window(runtime.platform().createWindow(table, *this)) {}

Form::~Form() {
    m_runtime.platform().destroyWindow(m_window);
}

Platform& Form::platform() const {
    return m_runtime.platform();
}

void Form::clicked(std::string_view control) {
    m_runtime.clicked(*this, control);
}

void Form::closeRequested() {
    m_runtime.closeRequested(*this);
}

void Form::yield() {
    m_runtime.platform().yield();
    if (m_runtime.ended() || !m_runtime.idOf(*this)) {
        throw WindowGone{};
    }
}

Runtime::Runtime(Platform& platform) : m_platform(platform) {}

Runtime::~Runtime() = default;

void Runtime::setFactory(FormId id, Factory factory) {
    if (factory) {
        m_factories[id] = std::move(factory);
    } else {
        m_factories.erase(id);
    }
}

Form* Runtime::find(FormId id) const {
    const auto it = m_instances.find(id);
    return it == m_instances.end() ? nullptr : it->second.get();
}

std::optional<FormId> Runtime::idOf(const Form& form) const {
    for (const auto& [id, instance] : m_instances) {
        if (instance.get() == &form) {
            return id;
        }
    }
    return std::nullopt;
}

Form* Runtime::create(FormId id) {
    const auto factory = m_factories.find(id);
    if (factory == m_factories.end()) {
        return nullptr;
    }
    std::unique_ptr<Form>& slot = m_instances[id];
    slot = factory->second(*this);
    return slot.get();
}

Form* Runtime::load(FormId id) {
    if (Form* form = find(id)) {
        return form;
    }
    Form* form = create(id);
    if (!form) {
        return nullptr;
    }
    try {
        form->Form_Load();
    } catch (...) {
        unload(id);
        throw;
    }
    return form;
}

void Runtime::show(FormId id) {
    if (Form* form = load(id)) {
        form->window().show();
    }
}

void Runtime::unload(FormId id) {
    const auto it = m_instances.find(id);
    if (it == m_instances.end()) {
        return;
    }
    std::unique_ptr<Form> form = std::move(it->second);
    m_instances.erase(it);
    release(std::move(form));
}

void Runtime::release(std::unique_ptr<Form> form) {
    if (form->m_running > 0) {
        // A handler of the window is under way further up the stack, waiting
        // in its yield: the window leaves the screen now and is destroyed when
        // that handler returns.
        form->window().hide();
        m_closing.push_back(std::move(form));
    }
}

void Runtime::handlerReturned(Form& form) {
    if (--form.m_running > 0) {
        return;
    }
    std::erase_if(m_closing, [&form](const std::unique_ptr<Form>& f) { return f.get() == &form; });
}

void Runtime::startUp(FormId id) {
    if (find(id)) {
        return;
    }
    Form* form = create(id);
    if (!form) {
        return;
    }
    run(form, [form] { form->Form_Load(); });
    show(id);
}

void Runtime::end() {
    m_ended = true;
    m_platform.endProgram();
}

void Runtime::run(Form* form, const std::function<void()>& handler) {
    std::string message;
    if (form) {
        ++form->m_running;
    }
    try {
        handler();
    } catch (const WindowGone&) {
    } catch (const std::bad_alloc&) {
        message = "Out of memory";
    } catch (const std::exception& failure) {
        message = failure.what();
        if (message.empty()) {
            message = "Unknown failure";
        }
    }
    NativeWindow* window = form && idOf(*form) ? &form->window() : nullptr;
    if (!message.empty() && !m_ended) {
        m_platform.reportFailure(window, message);
    }
    if (form) {
        handlerReturned(*form);
    }
}

void Runtime::clicked(Form& form, std::string_view control) {
    if (m_ended) {
        return;
    }
    run(&form, [&form, control] { form.click(control); });
}

void Runtime::closeRequested(Form& form) {
    if (form.closingEndsProgram()) {
        end();
    } else if (const std::optional<FormId> id = idOf(form)) {
        unload(*id);
    }
}

} // namespace forms
