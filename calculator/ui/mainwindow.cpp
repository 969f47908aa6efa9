#include "mainwindow.h"

#include "core/handoff.h"
#include "core/lookangles.h"
#include "core/textnumber.h"
#include "forms.h"
#include "lang/language.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace calcui {

namespace {

double numberIn(const QLineEdit* box) {
    return calc::TextToNumber(box->text().toStdString());
}

// A result is longer than its box is wide; show its beginning, not its end.
void showResult(QLineEdit* box, double value) {
    box->setText(QString::fromStdString(calc::NumberToText(value)));
    box->setCursorPosition(0);
}

} // namespace

MainWindow::MainWindow(Forms& forms) : Form(forms, FormId::TV) {
    setObjectName("TV");
    setWindowTitle("RASCHET");
    resize(twipsSize(7155, 4950));

    new LineControl(this, "Line6", {2280, 2280}, {2280, 1200});
    new LineControl(this, "Line5", {480, 3600}, {6120, 3600});
    new LineControl(this, "Line4", {4920, 120}, {4920, 960});
    new LineControl(this, "Line3", {1920, 960}, {1920, 120});
    new LineControl(this, "Line2", {1920, 120}, {4920, 120});
    new LineControl(this, "Line1", {1920, 960}, {4920, 960});

    T1 = makeLabel(this, "T1", {1920, 240, 2535, 255}, {});
    T2 = makeLabel(this, "T2", {1200, 600, 3735, 255}, {});
    T3 = makeLabel(this, "T3", {360, 1440, 1935, 855}, {});
    Label1 = makeLabel(this, "Label1", {2400, 1080, 3735, 255}, {});
    T4 = makeLabel(this, "T4", {2280, 1800, 3495, 255}, {});
    T5 = makeLabel(this, "T5", {240, 2760, 1815, 615}, {});
    T6 = makeLabel(this, "T6", {2400, 2760, 3615, 255}, {});
    T7 = makeLabel(this, "T7", {840, 3720, 2175, 375}, {});
    T8 = makeLabel(this, "T8", {480, 4320, 1575, 255}, {});
    T9 = makeLabel(this, "T9", {3240, 4320, 1575, 375}, {});
    T1->setFont(tableFont("Times New Roman", 12, true));
    T2->setFont(tableFont("MS Sans Serif", 8.25, true));
    T3->setFont(tableFont("MS Sans Serif", 9.75));
    T5->setFont(tableFont("MS Sans Serif", 9.75));
    T7->setFont(tableFont("MS Sans Serif", 12, true));

    Text1 = makeTextBox(this, "Text1", {2640, 1320, 855, 285}, "35");
    Text2 = makeTextBox(this, "Text2", {4440, 1320, 975, 285}, "27.69");
    Text3 = makeTextBox(this, "Text3", {2640, 2040, 855, 285}, "32");
    Text4 = makeTextBox(this, "Text4", {4440, 2040, 975, 285}, "48.5");
    Text5 = makeTextBox(this, "Text5", {2640, 3000, 855, 285}, {});
    Text6 = makeTextBox(this, "Text6", {4440, 3000, 975, 285}, {});
    Text7 = makeTextBox(this, "Text7", {2040, 4200, 1215, 495}, {});
    Text8 = makeTextBox(this, "Text8", {4800, 4200, 1215, 495}, {});
    Text7->setFont(tableFont("MS Sans Serif", 13.5));
    Text8->setFont(tableFont("MS Sans Serif", 13.5));

    Gprog = makeButton(this, "Gprog", {720, 120, 855, 375}, {});
    RISYNOK = makeButton(this, "RISYNOK", {720, 720, 855, 375}, {});
    cmdExit = makeButton(this, "cmdExit", {5280, 360, 615, 495}, {});
    NAPR = makeButton(this, "NAPR", {3360, 3720, 1395, 315}, {});

    setTexts();
    chainTabOrder(
        {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Gprog, RISYNOK, cmdExit, NAPR});
    Text1->setFocus();

    onClick(Gprog, &MainWindow::Gprog_Click);
    onClick(NAPR, &MainWindow::NAPR_Click);
    onClick(RISYNOK, &MainWindow::RISYNOK_Click);
    onClick(cmdExit, &MainWindow::CMDEXIT_Click);
}

void MainWindow::setTexts() {
    const calc::MainWindowTexts& t = forms().texts().main;
    NAPR->setText(tableText(t.NAPR));
    cmdExit->setText(tableText(t.cmdExit));
    RISYNOK->setText(tableText(t.RISYNOK));
    Gprog->setText(tableText(t.Gprog));
    T9->setText(tableText(t.T9));
    T8->setText(tableText(t.T8));
    T7->setText(tableText(t.T7));
    T6->setText(tableText(t.T6));
    T5->setText(tableText(t.T5));
    T4->setText(tableText(t.T4));
    Label1->setText(tableText(t.Label1));
    T3->setText(tableText(t.T3));
    T2->setText(tableText(t.T2));
    T1->setText(tableText(t.T1));
}

void MainWindow::Form_Load() {
    forms().load(FormId::Illustrations);
    forms().load(FormId::LIN1);
}

void MainWindow::Gprog_Click() {
    G1 = calc::DegMinToRadians(numberIn(Text1), numberIn(Text2));
    W1 = calc::DegMinToRadians(numberIn(Text3), numberIn(Text4));
    G2 = calc::DegMinToRadians(numberIn(Text5), numberIn(Text6));
    const calc::SiteAngles angles{G1, W1, G2};
    const double ALFA = calc::CalcAzimuth(angles);
    showResult(Text8, ALFA);
    const double BETA = calc::CalcElevation(angles);
    showResult(Text7, BETA);
    calc::WriteHandOffFile(ALFA, BETA);
}

void MainWindow::NAPR_Click() {
    forms().show(FormId::LIN1);
}

void MainWindow::RISYNOK_Click() {
    forms().show(FormId::Illustrations);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    forms().end();
}

void MainWindow::CMDEXIT_Click() {
    forms().end();
}

} // namespace calcui
