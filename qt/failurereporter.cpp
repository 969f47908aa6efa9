#include "failurereporter.h"

#include <QMessageBox>
#include <QWidget>

#include <exception>
#include <new>

namespace qtui {

void MessageBoxReporter::report(QWidget* window, const QString& message) {
    QWidget* parent = window && window->isVisible() ? window : nullptr;
    QMessageBox::critical(parent, m_title, message);
}

void RunReported(FailureReporter* reporter, QWidget* window, const std::function<void()>& handler) {
    QString message;
    try {
        handler();
        return;
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("Out of memory");
    } catch (const std::exception& failure) {
        // The messages carry file names and the system's reasons, both in the
        // locale's encoding.
        message = QString::fromLocal8Bit(failure.what());
    }
    if (reporter) {
        reporter->report(window, message);
    }
}

} // namespace qtui
