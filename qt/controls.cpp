#include "controls.h"

#include "caption.h"

#include <QPainter>

namespace qtui {

QPushButton* makeButton(QWidget* parent, const char* name, QRect place, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    // No button is a window's default; Enter presses the button that has the
    // focus, as Space does.
    button->setDefault(false);
    button->setAutoDefault(true);
    return button;
}

QLineEdit* makeTextBox(QWidget* parent, const char* name, QRect place, const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    return box;
}

QLabel* makeLabel(QWidget* parent, const char* name, QRect place, const QString& caption) {
    auto* label = new CaptionLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setMargin(0);
    label->setIndent(0);
    label->setFocusPolicy(Qt::NoFocus);
    label->setGeometry(place);
    return label;
}

LineControl::LineControl(QWidget* parent, const char* name, QRect place, QPoint from, QPoint to)
    : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(place);
    m_from = from - place.topLeft();
    m_to = to - place.topLeft();
    lower();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(m_from, m_to);
}

} // namespace qtui
