#include "forms/controltable.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

enum class Move { Tab, ShiftTab, Return };

struct Row {
    const char* name;
    std::string_view canTakeFocus; // one letter a control in keyboard order: y or n
    Move move;
    int at; // the focused control (for Return: the remembered one); -1: none
    int expected;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class Focus : public testing::TestWithParam<Row> {};

// Tab steps round the window past controls that cannot take the focus; a
// window active again gives it back where it was, else to the first that
// can take it.
TEST_P(Focus, MovesInKeyboardOrderToAControlThatCanTakeIt) {
    const Row& row = GetParam();
    const int count = static_cast<int>(row.canTakeFocus.size());
    const auto can = [&](int index) { return row.canTakeFocus.at(index) == 'y'; };
    EXPECT_EQ(row.move == Move::Return
                  ? forms::FocusOnReturn(count, row.at, can)
                  : forms::TabStep(count, row.at, row.move == Move::ShiftTab, can),
              row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, Focus,
    testing::Values(Row{"next", "yyy", Move::Tab, 0, 1}, Row{"lastToFirst", "yyy", Move::Tab, 2, 0},
                    Row{"previous", "yyy", Move::ShiftTab, 2, 1},
                    Row{"firstToLast", "yyy", Move::ShiftTab, 0, 2},
                    Row{"noneFocusedTabToFirst", "yyy", Move::Tab, -1, 0},
                    Row{"noneFocusedShiftTabToLast", "yyy", Move::ShiftTab, -1, 2},
                    Row{"skipsHidden", "ynny", Move::Tab, 0, 3},
                    Row{"skipsHiddenBackwards", "ynny", Move::ShiftTab, 3, 0},
                    Row{"aloneStays", "nyn", Move::Tab, 1, 1},
                    Row{"noneCan", "nnn", Move::Tab, 0, -1},
                    Row{"noControls", "", Move::Tab, -1, -1},
                    Row{"backWhereItWas", "yyy", Move::Return, 2, 2},
                    Row{"noneRemembered", "yyy", Move::Return, -1, 0},
                    Row{"rememberedNowHidden", "yyn", Move::Return, 2, 0},
                    Row{"firstHidden", "nyy", Move::Return, -1, 1},
                    Row{"noneCanReturn", "nn", Move::Return, 1, -1}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

} // namespace
