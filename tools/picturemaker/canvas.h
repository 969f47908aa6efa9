#pragma once

#include <QImage>
#include <QPainter>
#include <QStringList>

#include <numbers>
#include <vector>

// The pictures are laid out in degrees; Qt and the C library work in radians.
constexpr double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}
constexpr double Degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

// A finished picture, and every place where one of its texts touches a drawn
// shape or another text.
struct Picture {
    QImage image;
    QStringList clashes;
};

// One picture being drawn, with the pieces every picture shares so that all
// of them look alike: the paper, the heading, fitted text, the dish and the
// satellite.
//
// The canvas keeps its texts clear of its shapes: whatever is painted after
// shape() belongs to the shape named, up to the next shape() or background();
// what is painted after background() is ground that texts may lie on. Each
// pixel belongs to whatever painted it last, texts aside; finish() lists each
// text whose lines cover a pixel of a shape or meet another text's lines.
class Canvas {
public:
    // The picture box's size; the window shows only its top-left part, and
    // the program's two buttons lie over the top-left corner.
    static constexpr int kWidth = 585;
    static constexpr int kHeight = 396;
    static constexpr int kVisibleWidth = 424;
    static constexpr int kVisibleHeight = 333;
    static constexpr int kButtonsRight = 88;  // buttons end at x 81
    static constexpr int kButtonsBottom = 78; // and at y 73

    static const QColor kPaper;
    static const QColor kInk;
    static const QColor kAccent;
    static const QColor kSky;
    static const QColor kGround;

    Canvas();

    QPainter& painter() { return m_painter; }
    void shape(const QString& name);
    void background();
    Picture finish();

    // Paper, a frame round the visible part and the heading right of the
    // buttons.
    void page(const QString& heading);
    // Lines of text in `box`, the font shrunk until the widest line fits.
    void text(const QRectF& box, const QStringList& lines, double pixelSize, const QColor& colour,
              bool bold = false, Qt::Alignment align = Qt::AlignLeft);
    void arrowHead(QPointF tip, double directionDegrees, const QColor& colour, double size = 9);
    // A dish on its post standing on the ground at `foot`, its bowl facing
    // `aimDegrees` above the horizon (counterclockwise from the right).
    void sideDish(QPointF foot, double aimDegrees, double scale = 1.0);
    void satellite(QPointF centre, double scale = 1.0, double opacity = 1.0);

private:
    struct PlacedText {
        QString text;
        std::vector<QRectF> lines;
    };
    static constexpr int kBackground = -1;

    // Gives the pixels painted since the last call to the current shape, or
    // to the background.
    void claimPainted();
    QStringList clashes() const;

    QImage m_image;
    QPainter m_painter;
    QImage m_before;
    std::vector<int> m_owner;
    QStringList m_shapes;
    int m_current = kBackground;
    std::vector<PlacedText> m_texts;
};
