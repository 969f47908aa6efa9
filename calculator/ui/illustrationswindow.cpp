#include "illustrationswindow.h"

#include "core/installationpath.h"
#include "forms.h"
#include "lang/language.h"
#include "picturebox.h"
#include "pictureloader.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

#include <QPushButton>

namespace calcui {

namespace {

struct Step {
    std::string_view picture; // the literal of the picture to show
    std::int16_t next;        // the counter once it is shown
};

// The cycle of four: title picture, first, second, third illustration.
Step StepFor(std::int16_t counter, const calc::IllustrationsTexts& t) {
    if (counter < 1) {
        return {t.titlePicture, 1};
    }
    if (counter == 1) {
        return {t.pictures[0], 2};
    }
    if (counter == 2) {
        return {t.pictures[1], 3};
    }
    return {t.pictures[2], 0};
}

} // namespace

IllustrationsWindow::IllustrationsWindow(Forms& forms) : Form(forms, FormId::Illustrations) {
    // The window keeps its fixed place on the screen; the geometry of a
    // top-level widget is that of its client area.
    setGeometry(twipsRect(1860, 1530, 6360, 4995));

    Picture1 = new PictureBox(this, "Picture1", {0, 0, 8775, 5935});
    cmd1 = makeButton(Picture1, "cmd1", {240, 120, 975, 375}, {});
    RISYNOK = makeButton(Picture1, "RISYNOK", {240, 720, 975, 375}, {});

    setTexts();
    Picture1->setFocusPolicy(Qt::StrongFocus);
    chainTabOrder({Picture1, cmd1, RISYNOK});

    onClick(RISYNOK, &IllustrationsWindow::RISYNOK_Click);
    onClick(cmd1, &IllustrationsWindow::cmd1_Click);
}

void IllustrationsWindow::setTexts() {
    const calc::IllustrationsTexts& t = forms().texts().illustrations;
    setObjectName(tableText(t.formName));
    setWindowTitle(tableText(t.formName));
    cmd1->setText(tableText(t.cmd1));
    RISYNOK->setText(tableText(t.RISYNOK));
}

QString IllustrationsWindow::picturePath(std::string_view literal) const {
    return QString::fromStdString(calc::InstallationPath(forms().programDirectory(), literal));
}

void IllustrationsWindow::Form_Load() {
    // Read to make sure the title picture is there; the box stays empty until
    // the first press of RISYNOK.
    ReadPicture(picturePath(forms().texts().illustrations.titlePicture));
    INTC = 0;
    forms().show(FormId::Illustrations);
}

void IllustrationsWindow::RISYNOK_Click() {
    const Step step = StepFor(INTC, forms().texts().illustrations);
    Picture1->setPicture(ReadPicture(picturePath(step.picture)));
    INTC = step.next;
}

void IllustrationsWindow::cmd1_Click() {
    forms().unload(FormId::Illustrations);
    forms().show(FormId::TV);
}

} // namespace calcui
