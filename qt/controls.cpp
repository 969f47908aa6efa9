#include "controls.h"

#include "caption.h"
#include "twips.h"

#include <QPainter>

#include <algorithm>

namespace qtui {

namespace {

QRect toPixels(QRect twips) {
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace

QPushButton* makeButton(QWidget* parent, const char* name, QRect twips, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(toPixels(twips));
    // No button is a window's default; Enter presses the button that has the
    // focus, as Space does.
    button->setDefault(false);
    button->setAutoDefault(true);
    return button;
}

QLineEdit* makeTextBox(QWidget* parent, const char* name, QRect twips, const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(toPixels(twips));
    return box;
}

QLabel* makeLabel(QWidget* parent, const char* name, QRect twips, const QString& caption) {
    auto* label = new CaptionLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setMargin(0);
    label->setIndent(0);
    label->setFocusPolicy(Qt::NoFocus);
    label->setGeometry(toPixels(twips));
    return label;
}

LineControl::LineControl(QWidget* parent, const char* name, QPoint fromTwips, QPoint toTwips)
    : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    const QPoint a = twipsPoint(fromTwips.x(), fromTwips.y());
    const QPoint b = twipsPoint(toTwips.x(), toTwips.y());
    // Both end points are covered whichever way round the line is given.
    const QRect bounds(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                       QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    setGeometry(bounds);
    m_from = a - bounds.topLeft();
    m_to = b - bounds.topLeft();
    lower();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(m_from, m_to);
}

void chainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace qtui
