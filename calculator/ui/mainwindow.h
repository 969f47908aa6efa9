#pragma once

#include "form.h"

class QLineEdit;
class QPushButton;
class QLabel;

namespace calcui {

// The main window TV ("RASCHET"): the site and satellite boxes, the two result
// boxes, and START, DIRECTION, Pucture and EXIT.
class MainWindow : public Form {
    Q_OBJECT

public:
    explicit MainWindow(Forms& forms);

    void Form_Load() override;

    void Gprog_Click();
    void NAPR_Click();
    void RISYNOK_Click();
    void CMDEXIT_Click();

protected:
    // Closing the main window ends the program, as its EXIT does.
    void closeEvent(QCloseEvent* event) override;

private:
    void setTexts();

    QPushButton* NAPR;
    QPushButton* cmdExit;
    QPushButton* RISYNOK;
    QPushButton* Gprog;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    QLineEdit* Text6;
    QLineEdit* Text7;
    QLineEdit* Text8;
    QLabel* T1;
    QLabel* T2;
    QLabel* T3;
    QLabel* T4;
    QLabel* T5;
    QLabel* T6;
    QLabel* T7;
    QLabel* T8;
    QLabel* T9;
    QLabel* Label1;

    // The angles of the latest computation, in radians.
    float G1 = 0.0f;
    float W1 = 0.0f;
    float G2 = 0.0f;
};

} // namespace calcui
