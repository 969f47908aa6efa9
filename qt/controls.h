#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <string_view>

namespace qtui {

// A text of the language tables (UTF-8) as Qt shows it.
inline QString tableText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Small helpers that make a control the way the control tables give it:
// name, place in pixels, caption.

QPushButton* makeButton(QWidget* parent, const char* name, QRect place, const QString& caption);
QLineEdit* makeTextBox(QWidget* parent, const char* name, QRect place, const QString& text);
// A left-aligned label that keeps the blanks of its caption and wraps it at
// blanks where it does not fit its width, as captionLayout lays it out. It
// takes no focus.
QLabel* makeLabel(QWidget* parent, const char* name, QRect place, const QString& caption);

// A line drawn on its window from one end pixel to the other, in `place`,
// which covers both. It lies under the other controls and takes neither
// focus nor clicks.
class LineControl : public QWidget {
    Q_OBJECT

public:
    LineControl(QWidget* parent, const char* name, QRect place, QPoint from, QPoint to);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from; // pixels, relative to this widget
    QPoint m_to;
};

} // namespace qtui
