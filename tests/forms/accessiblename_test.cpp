#include "forms/controltable.h"
#include "forms/lin1.h"
#include "forms/ris123.h"
#include "forms/sdrevik.h"
#include "forms/tv.h"
#include "lang/language.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using TextsOf = const calc::LanguageTable& (*)();

std::vector<forms::WindowTable> windowsOf(TextsOf texts) {
    return {calculator::TV::Table(texts()), calculator::LIN1::Table(texts()),
            calculator::RIS123::Table(texts()), launcher::SDREVIK::Table()};
}

std::string nameOf(TextsOf texts, std::string_view window, std::string_view box) {
    for (const forms::WindowTable& table : windowsOf(texts)) {
        for (const forms::Control& control : table.controls) {
            if (table.name == window && control.name == box) {
                return forms::AccessibleName(table, control);
            }
        }
    }
    return "no such box";
}

struct Named {
    const char* build;
    TextsOf texts;
    std::string_view window;
    std::string_view box;
    std::string_view name;
};

void PrintTo(const Named& row, std::ostream* out) {
    *out << row.build << " " << row.box;
}

class AccessibleName : public testing::TestWithParam<Named> {};

// A box takes its row's label and the column of its column's label that
// stands over it, each with its blanks made single.
TEST_P(AccessibleName, ComesFromTheLabelsBesideTheBox) {
    const Named& row = GetParam();
    EXPECT_EQ(nameOf(row.texts, row.window, row.box), row.name);
}

constexpr TextsOf en = &calc::EnglishTable;
constexpr TextsOf ru = &calc::RussianTable;

INSTANTIATE_TEST_SUITE_P(
    Boxes, AccessibleName,
    testing::Values(
        Named{"en", en, "TV", "Text1", "You location (Tiberias), longitude(degrees)"},
        Named{"en", en, "TV", "Text2", "You location (Tiberias), longtude(minutes)"},
        Named{"en", en, "TV", "Text4", "You location (Tiberias), latitude(minutes)"},
        Named{"en", en, "TV", "Text5", "Location TV-satellit, lontude(degrees)"},
        Named{"en", en, "TV", "Text8", "ALFA---azimuth"},
        Named{"en", en, "LIN1", "POZIA", "displace- ment axles on corner"},
        Named{"ru", ru, "TV", "Text3", "Ваши координаты места (Тверия), широта(градусы)"},
        Named{"ru", ru, "TV", "Text6", "Координаты TV-спутника, долгота(минуты)"},
        Named{"ru", ru, "TV", "Text7", "BETA---угол места"},
        Named{"ru", ru, "LIN1", "POZIA", "сдвиг осей на угол"},
        Named{"en", en, "RIS123E", "Picture1", "Pictures: how to point the dish at the satellite"},
        Named{"ru", ru, "RIS123", "Picture1", "Рисунки: как навести антенну на спутник"},
        Named{"en", en, "TV", "Gprog", ""}));

// Every text box and picture box of every window has a name, and no two
// of a window sound alike.
TEST(AccessibleNames, EveryBoxHasOneOfItsOwn) {
    for (const TextsOf texts : {en, ru}) {
        for (const forms::WindowTable& table : windowsOf(texts)) {
            std::set<std::string> names;
            for (const forms::Control& control : table.controls) {
                if (control.kind == forms::ControlKind::TextBox ||
                    control.kind == forms::ControlKind::PictureBox) {
                    const std::string name = forms::AccessibleName(table, control);
                    EXPECT_FALSE(name.empty()) << table.name << " " << control.name;
                    EXPECT_TRUE(names.insert(name).second) << table.name << " " << name;
                }
            }
        }
    }
}

} // namespace
