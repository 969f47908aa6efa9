#include "forms/lin1.h"
#include "forms/ris123.h"
#include "forms/sdrevik.h"
#include "forms/shownlines.h"
#include "forms/tv.h"
#include "qt/caption.h"
#include "qt/twips.h"
#include "uitestsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct Built {
    const char* build;
    forms::WindowTable table;
};

// Every window of both builds and the launcher's, with the table it is built
// from.
std::vector<Built> AllWindows() {
    std::vector<Built> all;
    for (const auto& [build, texts] :
         {std::pair{"Korvel", &calc::EnglishTable()}, std::pair{"Drevik", &calc::RussianTable()}}) {
        all.push_back({build, calculator::TV::Table(*texts)});
        all.push_back({build, calculator::LIN1::Table(*texts)});
        all.push_back({build, calculator::RIS123::Table(*texts)});
    }
    all.push_back({"START", launcher::SDREVIK::Table()});
    return all;
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class Events : public forms::WindowEvents {
public:
    void clicked(std::string_view control) override { clicks.emplace_back(control); }
    void closeRequested() override {}
    std::vector<std::string> clicks;
};

// The Qt front end builds each window as its table gives it: the window's
// name, caption, client area and place; every control's name, kind, place in
// twips (a line covering both its end points), text and font; a text box's
// name for a screen reader; and the
// keyboard order, starting at the control with the lowest tab index; a
// button's click goes to the runtime under the button's name.
TEST(EveryWindow, IsBuiltAsItsTableGivesIt) {
    for (const Built& built : AllWindows()) {
        const forms::WindowTable& table = built.table;
        SCOPED_TRACE(std::string(table.name));
        Events events;
        qtui::QtWindow window(table, events);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        EXPECT_EQ(window.objectName(), Q(table.name));
        EXPECT_EQ(window.windowTitle(), Q(table.caption));
        EXPECT_EQ(window.size(), qtui::twipsSize(table.width, table.height));
        if (table.screenPosition) {
            EXPECT_EQ(window.geometry().topLeft(),
                      qtui::twipsPoint(table.screenPosition->x, table.screenPosition->y));
        }
        for (const forms::Control& c : table.controls) {
            SCOPED_TRACE(std::string(c.name));
            QWidget* widget = window.findChild<QWidget*>(Q(c.name));
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->parentWidget()->objectName(),
                      c.inside.empty() ? Q(table.name) : Q(c.inside));
            const forms::TwipRect& p = c.place;
            if (c.kind == forms::ControlKind::Line) {
                const QPoint from = qtui::twipsPoint(p.left, p.top);
                const QPoint to = qtui::twipsPoint(p.width, p.height);
                EXPECT_TRUE(widget->geometry().contains(from));
                EXPECT_TRUE(widget->geometry().contains(to));
                EXPECT_EQ(widget->width(), std::abs(to.x() - from.x()) + 1);
                EXPECT_EQ(widget->height(), std::abs(to.y() - from.y()) + 1);
                continue;
            }
            EXPECT_EQ(widget->geometry(), qtui::twipsRect(p.left, p.top, p.width, p.height));
            const QFont expected = c.font ? qtui::tableFont(std::string(c.font->name).c_str(),
                                                            c.font->points, c.font->bold)
                                          : QApplication::font();
            EXPECT_EQ(widget->font().family(), expected.family());
            EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), expected.pointSizeF());
            EXPECT_EQ(widget->font().bold(), expected.bold());
            if (c.kind != forms::ControlKind::PictureBox) {
                EXPECT_EQ(widget->property("text").toString(), Q(c.text));
            }
            EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus, c.takesFocus());
            if (c.kind == forms::ControlKind::TextBox ||
                c.kind == forms::ControlKind::PictureBox) {
                // A screen reader names a text box by the labels beside it,
                // a picture box by what it shows.
                QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
                ASSERT_NE(reader, nullptr);
                EXPECT_EQ(reader->text(QAccessible::Name), Q(forms::AccessibleName(table, c)));
                EXPECT_FALSE(reader->text(QAccessible::Name).isEmpty());
            }
            if (c.kind == forms::ControlKind::Button) {
                // A click reaches the runtime under the button's name.
                static_cast<QAbstractButton*>(widget)->click();
                ASSERT_FALSE(events.clicks.empty());
                EXPECT_EQ(events.clicks.back(), c.name);
            }
        }

        const std::vector<const forms::Control*> order = forms::TabOrder(table);
        ASSERT_FALSE(order.empty());
        EXPECT_EQ(QApplication::focusWidget()->objectName(), Q(order.front()->name));
        for (size_t i = 1; i <= order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), Q(order[i % order.size()]->name));
        }
    }
}

// Every label breaks its caption on the lines the table of shown lines gives,
// which every build shows.
TEST(EveryLabel, ShowsTheLinesEveryBuildShows) {
    size_t labels = 0;
    for (const Built& built : AllWindows()) {
        Events events;
        qtui::QtWindow window(built.table, events);
        window.show();
        for (const forms::Control& c : built.table.controls) {
            if (c.kind != forms::ControlKind::Label) {
                continue;
            }
            ++labels;
            SCOPED_TRACE(std::string(built.build) + " " + std::string(built.table.name) + " " +
                         std::string(c.name));
            const auto* label = window.findChild<QLabel*>(Q(c.name));
            ASSERT_NE(label, nullptr);
            const QString text = label->text();
            const auto layout =
                qtui::captionLayout(text, label->font(), label, label->contentsRect().width());
            QStringList shown;
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                QString drawn = text.mid(line.textStart(), line.textLength());
                while (drawn.endsWith(QLatin1Char(' '))) {
                    drawn.chop(1); // the blanks at a break
                }
                shown << drawn;
            }
            QStringList expected;
            for (std::string_view line : LinesShownBy(built.build, built.table.name, c.name)) {
                expected << Q(line);
            }
            EXPECT_EQ(shown, expected);
        }
    }
    EXPECT_EQ(labels, EveryLabelsLines().size());
}

} // namespace
