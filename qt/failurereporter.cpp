#include "failurereporter.h"

#include <QMessageBox>
#include <QWidget>

namespace qtui {

void MessageBoxReporter::report(QWidget* window, const QString& message) {
    QWidget* parent = window && window->isVisible() ? window : nullptr;
    QMessageBox::critical(parent, m_title, message);
}

} // namespace qtui
