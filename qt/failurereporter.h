#pragma once

#include <QString>

#include <utility>

class QWidget;

namespace qtui {

// Where a handler's failure goes. The program shows it in a message box;
// tests put a recorder in its place so that no modal box blocks them.
class FailureReporter {
public:
    virtual ~FailureReporter() = default;
    virtual void report(QWidget* window, const QString& message) = 0;
};

class MessageBoxReporter : public FailureReporter {
public:
    explicit MessageBoxReporter(QString title) : m_title(std::move(title)) {}
    void report(QWidget* window, const QString& message) override;

private:
    QString m_title;
};

} // namespace qtui
