#pragma once

#include <QLabel>

#include <memory>

class QPaintDevice;
class QTextLayout;

namespace qtui {

// `text` laid out in `font` for `device` the way the windows draw their
// captions: every blank kept, lines stacked from the top with the font's
// leading between them, and broken at blanks where a line is wider than
// `width` (a negative width keeps one line). The captions place their words
// with blanks measured for the faces the control tables name; where a
// stand-in face with a narrower blank draws, each blank is widened to match.
std::unique_ptr<QTextLayout> captionLayout(const QString& text, const QFont& font,
                                           const QPaintDevice* device, qreal width);

// A left-aligned label that draws its caption with captionLayout at its width.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace qtui
