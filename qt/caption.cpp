#include "caption.h"

#include "twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace qtui {

std::unique_ptr<QTextLayout> captionLayout(const QString& text, const QFont& font,
                                           const QPaintDevice* device, qreal width) {
    auto layout = std::make_unique<QTextLayout>(text, font, device);
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(width < 0 ? QTextOption::NoWrap : QTextOption::WordWrap);
    layout->setTextOption(option);

    const QFontMetricsF metrics(font, device);
    const qreal widening = blankWidening(font) * metrics.horizontalAdvance(QLatin1Char(' '));
    if (widening != 0) {
        QTextCharFormat wider;
        wider.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        wider.setFontLetterSpacing(widening);
        QList<QTextLayout::FormatRange> blanks;
        for (int i = 0; i < text.size();) {
            if (text[i] != QLatin1Char(' ')) {
                ++i;
                continue;
            }
            const int first = i;
            while (i < text.size() && text[i] == QLatin1Char(' ')) {
                ++i;
            }
            blanks.append({first, i - first, wider});
        }
        layout->setFormats(blanks);
    }

    const qreal leading = metrics.leading();
    qreal height = -leading;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        if (width >= 0) {
            line.setLineWidth(width);
        }
        height += leading;
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout->endLayout();
    return layout;
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect contents = contentsRect();
    captionLayout(text(), font(), this, contents.width())->draw(&painter, contents.topLeft());
}

} // namespace qtui
