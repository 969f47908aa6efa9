#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace calcui {
class FailureReporter;
}

namespace launcher {

// The language launcher's one window, SDREVIK ("START"): RUSSIAN starts the
// Russian build, ENGLISH the English one, EXIT ends the launcher. The builds
// are looked for in `directory`, the launcher's own.
class LauncherWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(LauncherWindow)

public:
    LauncherWindow(QString directory, calcui::FailureReporter& reporter,
                   std::function<void()> endProgram);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void startBuild(const QString& literal);
    void onClick(QPushButton* button, void (LauncherWindow::*handler)());

    QString m_directory;
    calcui::FailureReporter& m_reporter;
    std::function<void()> m_endProgram;

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
};

} // namespace launcher
