#include "forms.h"

#include "form.h"

namespace calcui {

Forms::Forms(Environment environment) : m_environment(std::move(environment)) {}

Forms::~Forms() {
    for (auto& [id, form] : m_instances) {
        delete form.data();
    }
}

void Forms::setFactory(FormId id, Factory factory) {
    if (factory) {
        m_factories[id] = std::move(factory);
    } else {
        m_factories.erase(id);
    }
}

Form* Forms::find(FormId id) const {
    const auto it = m_instances.find(id);
    return it == m_instances.end() ? nullptr : it->second.data();
}

Form* Forms::create(FormId id) {
    const auto factory = m_factories.find(id);
    if (factory == m_factories.end()) {
        return nullptr;
    }
    Form* form = factory->second(*this);
    m_instances[id] = form;
    return form;
}

Form* Forms::load(FormId id) {
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

void Forms::show(FormId id) {
    Form* form = load(id);
    if (!form) {
        return;
    }
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->show();
    form->raise();
    form->activateWindow();
}

void Forms::unload(FormId id) {
    const auto it = m_instances.find(id);
    if (it == m_instances.end()) {
        return;
    }
    QPointer<Form> form = it->second;
    m_instances.erase(it);
    if (form) {
        // The window may be unloading itself from one of its own handlers, so
        // it is hidden now and deleted once that handler has returned.
        form->hide();
        form->deleteLater();
    }
}

void Forms::startUp() {
    if (find(FormId::TV)) {
        return;
    }
    Form* main = create(FormId::TV);
    if (!main) {
        return;
    }
    runHandler(nullptr, [main] { main->Form_Load(); });
    show(FormId::TV);
}

void Forms::end() {
    if (m_environment.endProgram) {
        m_environment.endProgram();
    }
}

void Forms::runHandler(QWidget* window, const std::function<void()>& handler) {
    RunReported(m_environment.reporter, window, handler);
}

} // namespace calcui
