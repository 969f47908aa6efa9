#include "core/failure.h"
#include "forms/lin1.h"
#include "forms/ris123.h"
#include "forms/sdrevik.h"
#include "forms/shownlines.h"
#include "forms/tv.h"
#include "lang/language.h"
#include "win32/bitmap.h"
#include "win32/caption.h"
#include "win32/text.h"
#include "win32/win32platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstdlib>
#include <thread>

namespace {

using win32ui::Wide;

// Every window of both builds and the launcher's, with the build it is of.
std::vector<std::pair<std::string_view, forms::WindowTable>> WindowsOfBuilds() {
    std::vector<std::pair<std::string_view, forms::WindowTable>> all;
    for (const auto& [build, texts] :
         {std::pair{"Korvel", &calc::EnglishTable()}, std::pair{"Drevik", &calc::RussianTable()}}) {
        all.emplace_back(build, calculator::TV::Table(*texts));
        all.emplace_back(build, calculator::LIN1::Table(*texts));
        all.emplace_back(build, calculator::RIS123::Table(*texts));
    }
    all.emplace_back("START", launcher::SDREVIK::Table());
    return all;
}

class Events : public forms::WindowEvents {
public:
    void clicked(std::string_view control) override {
        clicks.emplace_back(control);
        if (onClick) {
            onClick();
        }
    }
    void closeRequested() override {}
    std::vector<std::string> clicks;
    std::function<void()> onClick;
};

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    CharLowerW(name);
    return name;
}

const wchar_t* ExpectedClass(forms::ControlKind kind) {
    switch (kind) {
    case forms::ControlKind::Button:
        return L"button";
    case forms::ControlKind::TextBox:
        return L"edit";
    case forms::ControlKind::PictureBox:
        return L"dishpicturebox";
    default:
        return L"static";
    }
}

// Twips to pixels at `dpi`: 1440 twips an inch, to the nearest pixel.
int Px(int twips, int dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

// Where a control must lie in its parent, in pixels: left, top, right, bottom.
std::vector<LONG> ExpectedPlace(const forms::Control& c, int dpi) {
    const forms::TwipRect& p = c.place;
    if (c.kind == forms::ControlKind::Line) {
        // One pixel wide, covering both end pixels.
        const int x1 = Px(p.left, dpi), y1 = Px(p.top, dpi);
        const int x2 = Px(p.width, dpi), y2 = Px(p.height, dpi);
        return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1};
    }
    const int left = Px(p.left, dpi), top = Px(p.top, dpi);
    return {left, top, left + Px(p.width, dpi), top + Px(p.height, dpi)};
}

std::vector<LONG> PlaceIn(HWND child, HWND parent) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

void PressKey(win32ui::Win32Platform& platform, WPARAM key, bool shift = false) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    EXPECT_TRUE(platform.keyboardMessage(message));
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// Each window is built as its table gives it: caption, client area and place
// in pixels from twips at the display's resolution; every control a child
// window of the right class in the window or its picture box, placed from
// its twips (a line covering both of its end pixels), with its text and its
// font (the table's, or the default MS Sans Serif 8.25, in its face at 96 dpi),
// Cyrillic; the first
// control in keyboard order has the focus, Tab and Shift+Tab go round in that
// order; a click and Enter on a focused button reach the runtime by name; a
// text box is named for a screen reader by the hidden static before it.
TEST(EveryWindow, IsBuiltAsItsTableGivesIt) {
    const int dpi = ScreenDpi();
    for (const auto& built : WindowsOfBuilds()) {
        const forms::WindowTable& table = built.second;
        SCOPED_TRACE(std::string(table.name));
        win32ui::Win32Platform platform("test", win32ui::PicturesAndDrawing());
        Events events;
        auto* window = static_cast<win32ui::Win32Window*>(platform.createWindow(table, events));
        HWND top = window->handle();
        EXPECT_FALSE(IsWindowVisible(top));
        EXPECT_EQ(TextOf(top), Wide(table.caption));
        RECT client;
        GetClientRect(top, &client);
        EXPECT_EQ(client.right, Px(table.width, dpi));
        EXPECT_EQ(client.bottom, Px(table.height, dpi));
        if (table.screenPosition) {
            POINT origin{0, 0};
            ClientToScreen(top, &origin);
            EXPECT_EQ(origin.x, Px(table.screenPosition->x, dpi));
            EXPECT_EQ(origin.y, Px(table.screenPosition->y, dpi));
        }
        for (const forms::Control& c : table.controls) {
            SCOPED_TRACE(std::string(c.name));
            HWND control = window->control(c.name);
            HWND parent = c.inside.empty() ? top : window->control(c.inside);
            EXPECT_EQ(GetParent(control), parent);
            EXPECT_EQ(ClassOf(control), ExpectedClass(c.kind));
            EXPECT_EQ(PlaceIn(control, parent), ExpectedPlace(c, dpi));
            const LONG style = GetWindowLongW(control, GWL_STYLE);
            switch (c.kind) {
            case forms::ControlKind::Button:
                EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);
                break;
            case forms::ControlKind::TextBox: {
                EXPECT_TRUE(style & ES_AUTOHSCROLL);
                // Named for a screen reader by the static right before it.
                HWND name = GetWindow(control, GW_HWNDPREV);
                ASSERT_NE(name, nullptr);
                EXPECT_EQ(ClassOf(name), L"static");
                EXPECT_FALSE(IsWindowVisible(name));
                EXPECT_EQ(TextOf(name), Wide(forms::AccessibleName(table, c)));
                EXPECT_FALSE(TextOf(name).empty());
                break;
            }
            case forms::ControlKind::Label:
                EXPECT_EQ(style & SS_TYPEMASK, SS_OWNERDRAW);
                break;
            case forms::ControlKind::Line:
                EXPECT_EQ(style & SS_TYPEMASK, SS_BLACKRECT);
                break;
            case forms::ControlKind::PictureBox:
                // A screen reader calls it by its window text: what it shows.
                EXPECT_EQ(TextOf(control), Wide(forms::AccessibleName(table, c)));
                EXPECT_FALSE(TextOf(control).empty());
                break;
            }
            EXPECT_EQ((style & WS_TABSTOP) != 0, c.takesFocus());
            if (c.kind == forms::ControlKind::Line || c.kind == forms::ControlKind::PictureBox) {
                continue; // no text, no font
            }
            EXPECT_EQ(TextOf(control), Wide(c.text));
            const forms::Font& expected = c.font ? *c.font : forms::kDefaultFont;
            LOGFONTW font{};
            ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                                   sizeof font, &font));
            if (dpi == 96) {
                EXPECT_EQ(font.lfFaceName, Wide(expected.name));
            }
            EXPECT_EQ(font.lfHeight, -std::lround(expected.points * dpi / 72));
            EXPECT_EQ(font.lfWeight, expected.bold ? FW_BOLD : FW_NORMAL);
            EXPECT_EQ(font.lfCharSet, 204);
        }

        window->show();
        platform.yield();
        EXPECT_TRUE(IsWindowVisible(top));
        const std::vector<const forms::Control*> order = forms::TabOrder(table);
        ASSERT_FALSE(order.empty());
        EXPECT_EQ(GetFocus(), window->control(order.front()->name));
        for (size_t i = 1; i <= order.size(); ++i) {
            PressKey(platform, VK_TAB);
            EXPECT_EQ(GetFocus(), window->control(order[i % order.size()]->name)) << i;
        }
        PressKey(platform, VK_TAB, true);
        EXPECT_EQ(GetFocus(), window->control(order.back()->name));

        for (const forms::Control& c : table.controls) {
            if (c.kind == forms::ControlKind::Button) {
                SendMessageW(window->control(c.name), BM_CLICK, 0, 0);
                ASSERT_FALSE(events.clicks.empty());
                EXPECT_EQ(events.clicks.back(), c.name);
                SetFocus(window->control(c.name));
                PressKey(platform, VK_RETURN);
                EXPECT_EQ(events.clicks.size(), 2u);
                EXPECT_EQ(events.clicks.back(), c.name);
                events.clicks.clear();
            }
        }
    }
}

// A window may be destroyed from inside one of its own clicks: it leaves the
// screen at once and is freed when the messages are handled next.
TEST(Window, DestroyedFromItsOwnClickGoesOnceTheClickIsOver) {
    win32ui::Win32Platform platform("test", win32ui::PicturesAndDrawing());
    Events events;
    auto* window = static_cast<win32ui::Win32Window*>(
        platform.createWindow(launcher::SDREVIK::Table(), events));
    HWND top = window->handle();
    window->show();
    events.onClick = [&] { platform.destroyWindow(window); };
    SendMessageW(window->control("Command3"), BM_CLICK, 0, 0);
    EXPECT_EQ(events.clicks.size(), 1u);
    EXPECT_TRUE(IsWindow(top));
    EXPECT_FALSE(IsWindowVisible(top));
    platform.yield();
    EXPECT_FALSE(IsWindow(top));
}

// A text box's text goes in and out as UTF-8, and the caret goes to its
// beginning, so that a long result shows its first digits.
TEST(Window, TextBoxTextIsUtf8AndShowsItsBeginning) {
    win32ui::Win32Platform platform("test", win32ui::PicturesAndDrawing());
    Events events;
    auto* window = static_cast<win32ui::Win32Window*>(
        platform.createWindow(calculator::TV::Table(calc::RussianTable()), events));
    const std::string text = "Долгота 217.344290345621534";
    window->setText("Text8", text);
    EXPECT_EQ(window->text("Text8"), text);
    DWORD start = 1, end = 1;
    SendMessageW(window->control("Text8"), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
}

// A failure shows in an error message box titled with the program's name,
// over the window it happened in; once the box is gone the window's focused
// control has the focus again.
TEST(Failure, ShowsInAMessageBoxOverItsWindow) {
    win32ui::Win32Platform platform("Drevik", win32ui::PicturesAndDrawing());
    Events events;
    auto* window = static_cast<win32ui::Win32Window*>(
        platform.createWindow(calculator::TV::Table(calc::RussianTable()), events));
    window->show();
    platform.yield();
    SetFocus(window->control("Text3"));

    HWND box = nullptr;
    HWND owner = nullptr;
    std::wstring text;
    const DWORD caller = GetCurrentThreadId();
    std::thread watcher([&] {
        // Waits for the box, reads it and presses OK; without a box in ten
        // seconds the caller's wait ends through its message queue.
        for (int i = 0; i < 1000 && !box; ++i) {
            box = FindWindowW(L"#32770", L"Drevik");
            if (!box) {
                Sleep(10);
            }
        }
        if (!box) {
            PostThreadMessageW(caller, WM_QUIT, 0, 0);
            return;
        }
        owner = GetWindow(box, GW_OWNER);
        wchar_t message[256] = {};
        GetDlgItemTextW(box, 0xFFFF, message, 256);
        text = message;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    platform.reportFailure(window, "Файл не найден: C:\\Спутник\\1k.BMP");
    watcher.join();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(owner, window->handle());
    EXPECT_EQ(text, Wide("Файл не найден: C:\\Спутник\\1k.BMP"));
    // The focus comes back once the window is active again, which the X
    // server under Wine says in its own time: waited for, ten seconds at most.
    for (int i = 0; i < 1000 && GetFocus() != window->control("Text3"); ++i) {
        platform.yield();
        Sleep(10);
    }
    EXPECT_EQ(GetFocus(), window->control("Text3"));
}

// Starting a program that is not there names it and says why.
TEST(StartProgram, MissingProgramIsAFailure) {
    win32ui::Win32Platform platform("test", win32ui::PicturesAndDrawing());
    try {
        platform.startProgram("C:\\nowhere\\KORVEL.EXE");
        FAIL() << "no failure";
    } catch (const calc::Failure& failure) {
        EXPECT_STREQ(failure.what(),
                     "Cannot start C:\\nowhere\\KORVEL.EXE: the file does not exist");
    }
}

// Every label draws its caption on the lines the Linux build shows it on.
TEST(EveryLabel, ShowsTheLinesEveryBuildShows) {
    size_t labels = 0;
    for (const auto& [build, table] : WindowsOfBuilds()) {
        win32ui::Win32Platform platform("test", win32ui::PicturesAndDrawing());
        Events events;
        auto* window = static_cast<win32ui::Win32Window*>(platform.createWindow(table, events));
        for (const forms::Control& c : table.controls) {
            if (c.kind != forms::ControlKind::Label) {
                continue;
            }
            ++labels;
            SCOPED_TRACE(std::string(build) + " " + std::string(table.name) + " " +
                         std::string(c.name));
            std::vector<std::wstring> expected;
            for (std::string_view line : LinesShownBy(build, table.name, c.name)) {
                expected.push_back(Wide(line));
            }
            EXPECT_EQ(window->labelLines(c.name), expected);
        }
        platform.destroyWindow(window);
    }
    EXPECT_EQ(labels, EveryLabelsLines().size());
}

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// Moved to a monitor of another resolution, each window takes that
// resolution's twips: its client area, its controls' places and fonts at
// their point sizes, in faces that scale where the bitmap faces would not;
// its labels keep the lines they show at 96 dpi.
TEST(EveryWindow, TakesTheResolutionOfTheMonitorItMovesTo) {
    for (const auto& [build, table] : WindowsOfBuilds()) {
        SCOPED_TRACE(std::string(build) + " " + std::string(table.name));
        win32ui::Win32Platform platform("test", win32ui::PicturesAndDrawing());
        Events events;
        auto* window = static_cast<win32ui::Win32Window*>(platform.createWindow(table, events));
        HWND top = window->handle();
        for (int dpi : {120, 144, 192, 96}) {
            SCOPED_TRACE(dpi);
            RECT suggested{40, 30, 41, 31};
            SendMessageW(top, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
            RECT client, outer;
            GetClientRect(top, &client);
            GetWindowRect(top, &outer);
            EXPECT_EQ(std::vector<LONG>({outer.left, outer.top, client.right, client.bottom}),
                      std::vector<LONG>({40, 30, Px(table.width, dpi), Px(table.height, dpi)}));
            for (const forms::Control& c : table.controls) {
                SCOPED_TRACE(std::string(c.name));
                HWND control = window->control(c.name);
                HWND parent = c.inside.empty() ? top : window->control(c.inside);
                EXPECT_EQ(PlaceIn(control, parent), ExpectedPlace(c, dpi));
                if (c.kind == forms::ControlKind::Line ||
                    c.kind == forms::ControlKind::PictureBox) {
                    continue;
                }
                const forms::Font& expected = c.font ? *c.font : forms::kDefaultFont;
                auto* font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
                LOGFONTW described{};
                ASSERT_TRUE(GetObjectW(font, sizeof described, &described));
                EXPECT_EQ(described.lfHeight, -std::lround(expected.points * dpi / 72));
                HDC dc = CreateCompatibleDC(nullptr);
                HGDIOBJ old = SelectObject(dc, font);
                TEXTMETRICW metrics{};
                GetTextMetricsW(dc, &metrics);
                SelectObject(dc, old);
                DeleteDC(dc);
                if (dpi != 96) {
                    EXPECT_TRUE(metrics.tmPitchAndFamily & TMPF_TRUETYPE);
                }
                if (c.kind == forms::ControlKind::Label) {
                    std::vector<std::wstring> lines;
                    for (std::string_view line : LinesShownBy(build, table.name, c.name)) {
                        lines.push_back(Wide(line));
                    }
                    EXPECT_EQ(window->labelLines(c.name), lines);
                }
            }
        }
        platform.destroyWindow(window);
    }
}

// A picture is shown as large at every resolution as at 96 dpi: at 192 dpi
// each of its pixels covers two by two, none of them blurred.
TEST(PictureBox, ShowsItsPictureScaledInWholePixels) {
    win32ui::Win32Platform platform("test", win32ui::PicturesAndDrawing());
    Events events;
    auto* window = static_cast<win32ui::Win32Window*>(
        platform.createWindow(calculator::RIS123::Table(calc::EnglishTable()), events));
    // Two by two pixels, black ones on the diagonal from the top left corner.
    const unsigned char rows[] = {0x7f, 0, 0xbf, 0};
    window->setPicture(
        "Picture1", std::make_unique<win32ui::Win32Picture>(CreateBitmap(2, 2, 1, 1, rows), 2, 2));
    window->show();
    for (int dpi : {96, 192}) {
        SCOPED_TRACE(dpi);
        RECT suggested{0, 0, 1, 1};
        SendMessageW(window->handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        HWND box = window->control("Picture1");
        UpdateWindow(box);
        platform.yield();
        HDC dc = GetDC(box);
        std::vector<bool> black;
        for (int at = 0; at < 5; ++at) {
            black.push_back(GetPixel(dc, at, at) == RGB(0, 0, 0));
        }
        ReleaseDC(box, dc);
        const int scale = dpi / 96;
        for (int at = 0; at < 5; ++at) {
            EXPECT_EQ(black[static_cast<size_t>(at)], at < 2 * scale) << at;
        }
    }
    platform.destroyWindow(window);
}

} // namespace
