#pragma once

#include "qt/caption.h"
#include "qt/controls.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QRectF>
#include <QStringList>
#include <QTextLayout>
#include <QWidget>

// The rectangles, in `window`'s coordinates, in which a label draws the words
// of its caption: laid out as the label draws it, in its font and wrapped at
// its width. A word's rectangle runs along its line from its first letter's
// start to its last letter's end, and from the top to the bottom of its ink.
inline QList<QRectF> drawnWords(const QLabel& label, const QWidget& window) {
    const QString text = label.text();
    const QRect contents = label.contentsRect();
    const std::unique_ptr<QTextLayout> layout =
        qtui::captionLayout(text, label.font(), &label, contents.width());

    QList<QRectF> words;
    const QFontMetricsF metrics(label.font(), &label);
    const QPointF origin = label.mapTo(&window, contents.topLeft());
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        const int end = line.textStart() + line.textLength();
        for (int c = line.textStart(); c < end;) {
            if (text[c].isSpace()) {
                ++c;
                continue;
            }
            const int first = c;
            while (c < end && !text[c].isSpace()) {
                ++c;
            }
            const qreal left = line.cursorToX(first);
            const qreal right = line.cursorToX(c);
            const QRectF ink = metrics.tightBoundingRect(text.mid(first, c - first));
            const qreal top = line.y() + line.ascent() + ink.top();
            words << QRectF(left, top, right - left, ink.height()).translated(origin);
        }
    }
    return words;
}

// Where a control of `window` lies, in the window's coordinates: a line where
// it draws its pixels, any other control its rectangle.
inline QRectF controlArea(const QWidget& control, const QWidget& window) {
    const QPoint origin = control.mapTo(&window, QPoint(0, 0));
    if (!qobject_cast<const qtui::LineControl*>(&control)) {
        return QRectF(origin, control.size());
    }
    QImage drawn(control.size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    const_cast<QWidget&>(control).render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
    QRect pixels;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (qAlpha(drawn.pixel(x, y)) != 0) {
                pixels |= QRect(x, y, 1, 1);
            }
        }
    }
    return QRectF(pixels.translated(origin));
}

// Every place where a word that a label of `window` draws leaves the label, or
// where what shows of it crosses one of the window's lines or another of its
// controls. A label lower than a line of its font is meant to show no
// readable text; only what shows of it is checked.
inline QStringList labelCrossings(const QWidget& window) {
    QStringList crossings;
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QRectF frame(label->mapTo(&window, QPoint(0, 0)), label->size());
        const bool showsALine = label->height() >= label->fontMetrics().height();
        const QList<QRectF> words = drawnWords(*label, window);
        if (words.isEmpty() && !label->text().trimmed().isEmpty()) {
            crossings << label->objectName() + " draws no word";
        }
        for (const QRectF& word : words) {
            const QString where = QString("%1 word at %2,%3 %4x%5")
                                      .arg(label->objectName())
                                      .arg(word.x())
                                      .arg(word.y())
                                      .arg(word.width())
                                      .arg(word.height());
            if (showsALine && !frame.contains(word)) {
                crossings << where + " leaves its label";
            }
            const QRectF shows = word & frame;
            for (const QWidget* other : controls) {
                if (other == label || other->objectName().isEmpty() || other->isAncestorOf(label)) {
                    continue;
                }
                if (shows.intersects(controlArea(*other, window))) {
                    crossings << where + " crosses " + other->objectName();
                }
            }
        }
    }
    return crossings;
}
