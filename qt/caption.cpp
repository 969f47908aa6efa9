#include "caption.h"

#include "twips.h"

#include "forms/captionlines.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace qtui {

std::unique_ptr<QTextLayout> captionLayout(const QString& text, const QFont& font,
                                           const QPaintDevice* device, qreal width) {
    auto layout = std::make_unique<QTextLayout>(text, font, device);
    // The lines are broken below; Qt only fills each with the characters it
    // is given, which it does where it may break anywhere.
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(width < 0 ? QTextOption::NoWrap : QTextOption::WrapAnywhere);
    layout->setTextOption(option);

    const QFontMetricsF metrics(font, device);
    const qreal widening = blankWidening(font) * metrics.horizontalAdvance(QLatin1Char(' '));
    // The lines as every build breaks captions; none when there is no width
    // to break at, and the one line is laid out unbroken.
    std::vector<forms::CaptionLine> lines;
    if (width >= 0) {
        const std::u16string_view caption(reinterpret_cast<const char16_t*>(text.utf16()),
                                          static_cast<std::size_t>(text.size()));
        const auto measure = [&](std::u16string_view piece) {
            return metrics.horizontalAdvance(
                QString::fromUtf16(piece.data(), static_cast<qsizetype>(piece.size())));
        };
        lines = forms::LabelCaptionLines(caption, width, widening, measure);
    }
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
    std::size_t index = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        // Each line runs to the next one's start, the blanks at its break
        // included; the last to the caption's end.
        if (index < lines.size()) {
            const auto start = static_cast<qsizetype>(lines[index].start);
            const qsizetype end = index + 1 < lines.size()
                                      ? static_cast<qsizetype>(lines[index + 1].start)
                                      : text.size();
            if (lines[index].length == 0) {
                // A line of blanks only: given as columns, Qt would add the
                // next word's first letter. Blanks at a line's end take no
                // width, so a line with none holds just them.
                line.setLineWidth(0);
            } else {
                line.setNumColumns(end - start);
            }
        }
        ++index;
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
