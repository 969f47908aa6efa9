#include "form.h"

#include "forms.h"

#include <QAbstractButton>
#include <QCloseEvent>

namespace calcui {

Form::Form(Forms& forms, FormId id) : QWidget(nullptr), m_forms(forms), m_id(id) {}

void Form::runHandler(const std::function<void()>& handler) {
    m_forms.runHandler(this, handler);
}

void Form::connectClick(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { runHandler(handler); });
}

void Form::closeEvent(QCloseEvent* event) {
    event->accept();
    m_forms.unload(m_id);
}

} // namespace calcui
