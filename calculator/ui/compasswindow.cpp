#include "compasswindow.h"

#include "core/azimuth.h"
#include "core/compassdrawing.h"
#include "forms.h"
#include "lang/language.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>

namespace calcui {

CompassWindow::CompassWindow(Forms& forms)
    : Form(forms, FormId::LIN1), m_surface(*this, twipsSize(5010, 3315)) {
    setObjectName("LIN1");
    setWindowTitle("CYRC1");
    resize(twipsSize(5010, 3315));

    START = makeButton(this, "START", {120, 120, 735, 375}, {});
    CMDEXIT = makeButton(this, "CMDEXIT", {120, 2280, 615, 375}, {});
    POZIA = makeTextBox(this, "POZIA", {120, 1680, 615, 375}, "-20");
    Label1 = makeLabel(this, "Label1", {120, 720, forms.texts().compass.label1Width, 855}, {});

    setTexts();
    chainTabOrder({START, CMDEXIT, POZIA});
    START->setFocus();

    onClick(START, &CompassWindow::START_Click);
    onClick(CMDEXIT, &CompassWindow::CMDEXIT_Click);
}

void CompassWindow::setTexts() {
    const calc::CompassTexts& t = forms().texts().compass;
    START->setText(tableText(t.START));
    CMDEXIT->setText(tableText(t.CMDEXIT));
    Label1->setText(tableText(t.Label1));
}

void CompassWindow::START_Click() {
    ++m_runs;
    const auto ended = qScopeGuard([this] { runEnded(); });

    calc::ClearDiagram(m_surface);
    YGOL = POZIA->text().toStdString();
    calc::DrawCrosses(m_surface, YGOL);

    // Pending events run to completion here, a second START and a calculation
    // in the main window included.
    QCoreApplication::processEvents();
    if (!stillLoaded()) {
        // Closed meanwhile: its drawing is gone with it, nothing to go on with.
        return;
    }

    calc::DrawCentreDot(m_surface);
    const calc::Azimuth azimuth = calc::ReadAzimuth();
    // The displacement is read from YGOL again, not kept from before the
    // yield: a START run inside the yield has copied POZIA's text anew, and
    // this run draws its direction for that copy.
    calc::DrawDirection(m_surface, YGOL, azimuth);
}

void CompassWindow::CMDEXIT_Click() {
    forms().show(FormId::TV);
}

bool CompassWindow::stillLoaded() const {
    return forms().find(FormId::LIN1) == this;
}

bool CompassWindow::event(QEvent* event) {
    // Closing the window inside START's yield unloads it, and the deletion
    // that follows would pull the window away from under the run that is
    // still on the stack. It waits until the last run has returned.
    if (event->type() == QEvent::DeferredDelete && m_runs > 0) {
        m_deleteWhenIdle = true;
        return true;
    }
    return Form::event(event);
}

void CompassWindow::runEnded() {
    --m_runs;
    if (m_runs == 0 && m_deleteWhenIdle) {
        m_deleteWhenIdle = false;
        deleteLater();
    }
}

void CompassWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_surface.image());
}

} // namespace calcui
