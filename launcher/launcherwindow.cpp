#include "launcherwindow.h"

#include "buildstarter.h"
#include "widgets/controls.h"
#include "widgets/failurereporter.h"
#include "widgets/twips.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace launcher {

LauncherWindow::LauncherWindow(QString directory, calcui::FailureReporter& reporter,
                               std::function<void()> endProgram)
    : m_directory(std::move(directory)), m_reporter(reporter), m_endProgram(std::move(endProgram)) {
    using calcui::tableFont;
    setObjectName("SDREVIK");
    setWindowTitle("START");
    resize(calcui::twipsSize(4680, 3195));

    Command3 = calcui::makeButton(this, "Command3", {1560, 2520, 1575, 495}, "EXIT");
    Command2 = calcui::makeButton(this, "Command2", {720, 1920, 3135, 495}, "ENGLISH");
    Command1 = calcui::makeButton(this, "Command1", {720, 1200, 3135, 615}, "RUSSIAN");
    Label4 = calcui::makeLabel(this, "Label4", {960, 720, 3015, 255}, "             PRESS KEY");
    Label3 = calcui::makeLabel(this, "Label3", {960, 120, 3015, 375}, "      LANGUAGE");
    Label2 = calcui::makeLabel(this, "Label2", {1560, 720, 855, 15}, "Label2");
    Label1 =
        calcui::makeLabel(this, "Label1", {1920, 720, 2415, 15}, "           LANGUAGE          ");
    Command3->setFont(tableFont("MS Serif", 13.5, true));
    Command2->setFont(tableFont("MS Sans Serif", 13.5, true));
    Command1->setFont(tableFont("MS Sans Serif", 13.5, true));
    Label4->setFont(tableFont("MS Sans Serif", 8.25, true));
    Label3->setFont(tableFont("MS Sans Serif", 13.5, true));
    Label1->setFont(tableFont("MS Sans Serif", 13.5, true));

    calcui::chainTabOrder({Command1, Command2, Command3});
    Command1->setFocus();

    onClick(Command1, &LauncherWindow::Command1_Click);
    onClick(Command2, &LauncherWindow::Command2_Click);
    onClick(Command3, &LauncherWindow::Command3_Click);
}

void LauncherWindow::onClick(QPushButton* button, void (LauncherWindow::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] {
        calcui::RunReported(&m_reporter, this, [this, handler] { (this->*handler)(); });
    });
}

void LauncherWindow::startBuild(const QString& literal) {
    StartBuild(BuildPath(m_directory, literal), QDir::currentPath());
}

void LauncherWindow::Command1_Click() {
    startBuild(QStringLiteral("\\DREVIK.EXE"));
}

void LauncherWindow::Command2_Click() {
    startBuild(QStringLiteral("\\KORVEL.EXE"));
}

void LauncherWindow::Command3_Click() {
    m_endProgram();
}

} // namespace launcher
