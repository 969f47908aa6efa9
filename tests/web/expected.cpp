// What the browser build must show and write, as the Linux build has it:
//   expected tables         every window of both builds and of the launcher,
//                           with the lines each label shows, as JSON;
//   expected handoff A..F   the hand-off file START writes, to standard
//                           output, for these six texts in the main window's
//                           boxes (site longitude, its minutes, latitude, its
//                           minutes, satellite longitude, its minutes); it is
//                           written in the current directory on the way.

#include "forms/calculatorforms.h"
#include "forms/fakeplatform.h"
#include "forms/lin1.h"
#include "forms/ris123.h"
#include "forms/sdrevik.h"
#include "forms/shownlines.h"
#include "forms/tv.h"
#include "lang/language.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace {

void Quoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

const char* KindName(forms::ControlKind kind) {
    switch (kind) {
    case forms::ControlKind::Button:
        return "button";
    case forms::ControlKind::TextBox:
        return "textbox";
    case forms::ControlKind::Label:
        return "label";
    case forms::ControlKind::Line:
        return "line";
    case forms::ControlKind::PictureBox:
        return "picturebox";
    }
    return "";
}

// Appends the pieces: texts as they are, numbers written out.
template <class... Pieces> void Add(std::string& out, const Pieces&... pieces) {
    const auto one = [&out](const auto& piece) {
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(piece)>>) {
            char number[32];
            std::snprintf(number, sizeof number, "%g", static_cast<double>(piece));
            out += number;
        } else {
            out += piece;
        }
    };
    (one(pieces), ...);
}

void Json(std::string& out, const forms::WindowTable& table) {
    Add(out, "{\"name\":");
    Quoted(out, table.name);
    Add(out, ",\"caption\":");
    Quoted(out, table.caption);
    Add(out, ",\"width\":", table.width, ",\"height\":", table.height, ",\"position\":");
    if (table.screenPosition) {
        Add(out, "[", table.screenPosition->x, ",", table.screenPosition->y, "]");
    } else {
        Add(out, "null");
    }
    Add(out, ",\"controls\":[");
    for (std::size_t i = 0; i < table.controls.size(); ++i) {
        const forms::Control& c = table.controls[i];
        const forms::Font& font = c.font ? *c.font : forms::kDefaultFont;
        Add(out, i ? "," : "", "{\"name\":");
        Quoted(out, c.name);
        Add(out, ",\"kind\":\"", KindName(c.kind), "\",\"place\":[", c.place.left, ",", c.place.top,
            ",", c.place.width, ",", c.place.height, "],\"text\":");
        Quoted(out, c.text);
        Add(out, ",\"font\":{\"name\":");
        Quoted(out, font.name);
        Add(out, ",\"points\":", font.points, ",\"bold\":", font.bold ? "true" : "false",
            "},\"tabIndex\":", c.tabIndex, ",\"inside\":");
        Quoted(out, c.inside);
        Add(out, ",\"accessibleName\":");
        Quoted(out, forms::AccessibleName(table, c));
        Add(out, "}");
    }
    Add(out, "]}");
}

int Tables() {
    const struct {
        const char* build;
        std::vector<forms::WindowTable> windows;
    } builds[] = {
        {"Korvel",
         {calculator::TV::Table(calc::EnglishTable()),
          calculator::LIN1::Table(calc::EnglishTable()),
          calculator::RIS123::Table(calc::EnglishTable())}},
        {"Drevik",
         {calculator::TV::Table(calc::RussianTable()),
          calculator::LIN1::Table(calc::RussianTable()),
          calculator::RIS123::Table(calc::RussianTable())}},
        {"START", {launcher::SDREVIK::Table()}},
    };
    std::string out = "{\"builds\":{";
    const char* comma = "";
    for (const auto& build : builds) {
        Add(out, comma);
        Quoted(out, build.build);
        Add(out, ":[");
        for (std::size_t i = 0; i < build.windows.size(); ++i) {
            Add(out, i ? "," : "");
            Json(out, build.windows[i]);
        }
        Add(out, "]");
        comma = ",";
    }
    Add(out, "},\"lines\":[");
    comma = "";
    for (const ShownLines& row : EveryLabelsLines()) {
        Add(out, comma, "{\"build\":");
        Quoted(out, row.build);
        Add(out, ",\"window\":");
        Quoted(out, row.window);
        Add(out, ",\"label\":");
        Quoted(out, row.label);
        Add(out, ",\"lines\":[");
        for (std::size_t i = 0; i < row.lines.size(); ++i) {
            Add(out, i ? "," : "");
            Quoted(out, row.lines[i]);
        }
        Add(out, "]}");
        comma = ",";
    }
    std::cout << out << "]}\n";
    return 0;
}

int HandOff(char** texts) {
    FakePlatform platform;
    forms::Runtime runtime(platform);
    calculator::RegisterCalculatorWindows(runtime, calc::EnglishTable());
    runtime.startUp(forms::FormId::TV);
    FakePlatform::Window* tv = platform.window("TV");
    const char* boxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
    for (int i = 0; i < 6; ++i) {
        tv->texts.at(boxes[i]) = texts[i];
    }
    platform.reports.clear(); // the pictures are not here
    platform.click("TV", "Gprog");
    if (!platform.reports.empty()) {
        std::cerr << platform.reports.front() << "\n";
        return 1;
    }
    std::ifstream file("rlin1.txt", std::ios::binary);
    std::cout << std::string(std::istreambuf_iterator<char>(file), {});
    return file ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "tables" && argc == 2) {
        return Tables();
    }
    if (command == "handoff" && argc == 8) {
        return HandOff(argv + 2);
    }
    std::cerr << "usage: expected tables | expected handoff A B C D E F\n";
    return 2;
}
