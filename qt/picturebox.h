#pragma once

#include <QImage>
#include <QWidget>

namespace qtui {

// A picture box: a fixed-size area that shows one picture unscaled with its
// top-left corner at the box's top-left corner. What lies beyond the box's
// edges is cut off; the part the picture does not cover shows the box's
// background. Controls placed inside it lie over the picture.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(QWidget* parent, const char* name, QRect place);

    // Replaces the picture shown; an empty image leaves the box empty.
    void setPicture(QImage picture);
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

} // namespace qtui
