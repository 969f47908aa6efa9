#pragma once

#include "form.h"
#include "qtdrawingsurface.h"

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace calcui {

// The compass window LIN1 ("CYRC1"): draws the fixed cross, the cross turned
// by the displacement in POZIA, and the dish direction read from the hand-off
// file. Its drawing stays while the window is open; closing the window
// discards it.
class CompassWindow : public Form {
    Q_OBJECT

public:
    explicit CompassWindow(Forms& forms);

    void START_Click();
    void CMDEXIT_Click();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setTexts();
    bool stillLoaded() const;
    void runEnded();

    QPushButton* START;
    QPushButton* CMDEXIT;
    QLineEdit* POZIA;
    QLabel* Label1;

    QtDrawingSurface m_surface;

    // POZIA's text as the latest START took it; the direction and the arc use
    // this copy, which a START run inside the yield may have replaced.
    std::string YGOL;

    // START runs under way (one inside another's yield makes two), and whether
    // the window was unloaded meanwhile and is to be deleted once they end.
    int m_runs = 0;
    bool m_deleteWhenIdle = false;
};

} // namespace calcui
