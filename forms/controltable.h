#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

enum class ControlKind {
    Button,
    TextBox,
    Label,
    Line,
    PictureBox,
};

// A font as the windows name it. Every font carries the Cyrillic character
// set, in both builds.
struct Font {
    std::string_view name;
    double points = 0;
    bool bold = false;
    int charset = kCyrillic;

    static constexpr int kCyrillic = 204;
};

inline constexpr Font kSans825{"MS Sans Serif", 8.25};
inline constexpr Font kSans825Bold{"MS Sans Serif", 8.25, true};
inline constexpr Font kSans975{"MS Sans Serif", 9.75};
inline constexpr Font kSans12Bold{"MS Sans Serif", 12, true};
inline constexpr Font kSans135{"MS Sans Serif", 13.5};
inline constexpr Font kSans135Bold{"MS Sans Serif", 13.5, true};
inline constexpr Font kSerif135Bold{"MS Serif", 13.5, true};
inline constexpr Font kTimes12Bold{"Times New Roman", 12, true};

// Every window's default font: its controls that name none, and its
// compass drawing's text, use it.
inline constexpr const Font& kDefaultFont = kSans825;

// Twips from the top-left corner of what contains the control: left, top,
// width and height; for a line, its two end points x1, y1, x2, y2.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kNoTabStop = -1;
inline constexpr int kWholeCaption = -1;

// A label of the window that names a text box for assistive technology:
// its whole caption, or one column of it where one label stands over two
// columns of boxes. A caption's columns are the stretches its runs of two or
// more blanks keep apart, counted from 0.
struct NamingLabel {
    std::string_view label; // empty: none
    int column = kWholeCaption;
};

// One control of a window as its table gives it. A control without a font
// uses the window's default font. Lines and labels take no focus.
struct Control {
    std::string_view name;
    ControlKind kind;
    TwipRect place;
    std::string_view text;        // caption, or a text box's initial text (UTF-8)
    const Font* font = nullptr;   // none: the window's default font
    int tabIndex = kNoTabStop;    // keyboard order among the controls that take focus
    std::string_view inside = {}; // the picture box it lies in; empty: the window
    // The labels beside a text box that name it, its row's before its
    // column's, so that two boxes under one column label sound different.
    std::array<NamingLabel, 2> namingLabels = {};
    // What a screen reader calls a control that has no caption and no label
    // beside it (a picture box): what it shows. Empty: none of its own.
    std::string_view spokenName = {};

    bool takesFocus() const {
        return kind == ControlKind::Button || kind == ControlKind::TextBox ||
               kind == ControlKind::PictureBox;
    }
    // This control, named by `first` and then `second`.
    Control namedBy(NamingLabel first, NamingLabel second = {}) const {
        Control named = *this;
        named.namingLabels = {first, second};
        return named;
    }
    // This control, called `name` by a screen reader.
    Control spokenAs(std::string_view name) const {
        Control named = *this;
        named.spokenName = name;
        return named;
    }
};

// One helper a kind, so that a table row reads like the table it comes from.
inline Control Button(std::string_view name, TwipRect place, std::string_view caption, int tabIndex,
                      const Font* font = nullptr, std::string_view inside = {}) {
    return {name, ControlKind::Button, place, caption, font, tabIndex, inside};
}
inline Control TextBox(std::string_view name, TwipRect place, std::string_view text, int tabIndex,
                       const Font* font = nullptr) {
    return {name, ControlKind::TextBox, place, text, font, tabIndex, {}};
}
inline Control Label(std::string_view name, TwipRect place, std::string_view caption, int tabIndex,
                     const Font* font = nullptr) {
    return {name, ControlKind::Label, place, caption, font, tabIndex, {}};
}
inline Control Line(std::string_view name, TwipRect ends) {
    return {name, ControlKind::Line, ends, {}, nullptr, kNoTabStop, {}};
}
inline Control PictureBox(std::string_view name, TwipRect place, int tabIndex) {
    return {name, ControlKind::PictureBox, place, {}, nullptr, tabIndex, {}};
}

struct TwipPosition {
    int x = 0;
    int y = 0;
};

// A window: its name, its caption, its client area in twips, where its client
// area's top-left corner lies on the screen (none: where the window system
// puts new windows), and its controls. Every window has the ordinary sizable
// frame, the default colours and the default font.
struct WindowTable {
    std::string_view name;
    std::string_view caption;
    int width = 0;
    int height = 0;
    std::optional<TwipPosition> screenPosition;
    std::vector<Control> controls;
};

// The controls that take focus, in keyboard order: by tab index, ties in
// table order. The first of them has the focus when the window opens.
std::vector<const Control*> TabOrder(const WindowTable& table);

// The name assistive technology gives the control `box` of `table`, where
// its caption does not name it: its spoken name where it has one, else the
// captions (or columns of them) of its naming labels, each with its runs of
// blanks made one, joined by ", ". Empty when it has neither (a button or a
// label, which its caption names).
std::string AccessibleName(const WindowTable& table, const Control& box);

// Where Tab (Shift+Tab: `backwards`) moves the focus among `count` controls
// in keyboard order: to the next one round the window that
// `canTakeFocus(index)` lets take it now. `at` is the focused control's place
// in the order, -1 where the focus is on none of them: Tab then goes to the
// first, Shift+Tab to the last. -1 when none can take it.
template <class CanTakeFocus>
int TabStep(int count, int at, bool backwards, CanTakeFocus&& canTakeFocus) {
    int index = at;
    for (int step = 0; step < count; ++step) {
        if (backwards) {
            index = index <= 0 ? count - 1 : index - 1;
        } else {
            index = (index + 1) % count;
        }
        if (canTakeFocus(index)) {
            return index;
        }
    }
    return -1;
}

// Where the focus goes when a window is active again: back to the control
// that had it when the window was left (`remembered`, its place in keyboard
// order, -1 for none) where `canTakeFocus` lets it take it now, else to the
// first one in keyboard order that can. -1 when none can.
template <class CanTakeFocus>
int FocusOnReturn(int count, int remembered, CanTakeFocus&& canTakeFocus) {
    if (remembered >= 0 && remembered < count && canTakeFocus(remembered)) {
        return remembered;
    }
    return TabStep(count, -1, false, canTakeFocus);
}

} // namespace forms
