#include "forms/controltable.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

struct Row {
    const char* name;
    std::string_view canTakeFocus; // one letter a control in keyboard order: y or n
    int at;
    bool backwards;
    int expected;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class TabStep : public testing::TestWithParam<Row> {};

TEST_P(TabStep, RoundTheWindowPastControlsThatCannotTakeTheFocus) {
    const Row& row = GetParam();
    const int count = static_cast<int>(row.canTakeFocus.size());
    EXPECT_EQ(forms::TabStep(count, row.at, row.backwards,
                             [&](int index) { return row.canTakeFocus.at(index) == 'y'; }),
              row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, TabStep,
    testing::Values(Row{"next", "yyy", 0, false, 1}, Row{"lastToFirst", "yyy", 2, false, 0},
                    Row{"previous", "yyy", 2, true, 1}, Row{"firstToLast", "yyy", 0, true, 2},
                    Row{"noneFocusedForwardsToFirst", "yyy", -1, false, 0},
                    Row{"noneFocusedBackwardsToLast", "yyy", -1, true, 2},
                    Row{"skipsHidden", "ynny", 0, false, 3},
                    Row{"skipsHiddenBackwards", "ynny", 3, true, 0},
                    Row{"aloneStays", "nyn", 1, false, 1}, Row{"noneCan", "nnn", 0, false, -1},
                    Row{"noControls", "", -1, false, -1}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

} // namespace

namespace {

struct ReturnRow {
    const char* name;
    std::string_view canTakeFocus; // one letter a control in keyboard order: y or n
    int remembered;
    int expected;
};

void PrintTo(const ReturnRow& row, std::ostream* out) {
    *out << row.name;
}

class FocusOnReturn : public testing::TestWithParam<ReturnRow> {};

TEST_P(FocusOnReturn, BackWhereItWasElseTheFirstThatCanTakeIt) {
    const ReturnRow& row = GetParam();
    EXPECT_EQ(forms::FocusOnReturn(static_cast<int>(row.canTakeFocus.size()), row.remembered,
                                   [&](int index) { return row.canTakeFocus.at(index) == 'y'; }),
              row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Returns, FocusOnReturn,
    testing::Values(ReturnRow{"whereItWas", "yyy", 2, 2}, ReturnRow{"noneRemembered", "yyy", -1, 0},
                    ReturnRow{"rememberedNowHidden", "yyn", 2, 0},
                    ReturnRow{"firstHidden", "nyy", -1, 1}, ReturnRow{"noneCan", "nn", 1, -1}),
    [](const testing::TestParamInfo<ReturnRow>& info) { return info.param.name; });

} // namespace
