#pragma once

#include "form.h"

#include <cstdint>
#include <string_view>

class QPushButton;

namespace calcui {

class PictureBox;

// The illustrations window (RIS123E in the English build, RIS123 in the
// Russian one): a picture box larger than the window, with EXIT and the step
// button over its top-left corner. The step button shows the title picture and
// the three illustrations in turn, each read from its file on every press.
class IllustrationsWindow : public Form {
    Q_OBJECT

public:
    explicit IllustrationsWindow(Forms& forms);

    void Form_Load() override;

    void RISYNOK_Click();
    void cmd1_Click();

private:
    void setTexts();
    QString picturePath(std::string_view literal) const;

    PictureBox* Picture1;
    QPushButton* cmd1;
    QPushButton* RISYNOK;

    // Selects the picture that the next press of RISYNOK shows: 0 the title
    // picture, 1 to 3 the illustrations.
    std::int16_t INTC = 0;
};

} // namespace calcui
