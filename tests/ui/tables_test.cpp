#include "forms/lin1.h"
#include "forms/ris123.h"
#include "forms/sdrevik.h"
#include "forms/tv.h"
#include "qt/twips.h"
#include "uitestsupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct Built {
    const char* name;
    forms::WindowTable table;
};

// Every window of both builds and the launcher's, with the table it is built
// from.
std::vector<Built> AllWindows() {
    std::vector<Built> all;
    for (const calc::LanguageTable* texts : {&calc::EnglishTable(), &calc::RussianTable()}) {
        all.push_back({"TV", calculator::TV::Table(*texts)});
        all.push_back({"LIN1", calculator::LIN1::Table(*texts)});
        all.push_back({"Illustrations", calculator::RIS123::Table(*texts)});
    }
    all.push_back({"SDREVIK", launcher::SDREVIK::Table()});
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
// twips (a line covering both its end points), text and font; and the
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

} // namespace
