#include "picturebox.h"

#include <QPaintEvent>
#include <QPainter>

namespace qtui {

PictureBox::PictureBox(QWidget* parent, const char* name, QRect place) : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    move(place.topLeft());
    // The box neither follows its window's size nor the picture's.
    setFixedSize(place.size());
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

void PictureBox::setPicture(QImage picture) {
    m_picture = std::move(picture);
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    if (m_picture.isNull()) {
        return;
    }
    // The painter clips at the box's edges, so a larger picture is cut there.
    // The picture is shown pixel for pixel whatever its recorded resolution.
    QPainter painter(this);
    const QRect source = event->rect().intersected(QRect(QPoint(0, 0), m_picture.size()));
    painter.drawImage(source.topLeft(), m_picture, source);
}

} // namespace qtui
