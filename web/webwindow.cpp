#include "webwindow.h"

#include "fonts.h"
#include "forms/captionlines.h"
#include "forms/geometry.h"
#include "pagecodes.h"
#include "pagetext.h"
#include "pictures.h"

#include <emscripten.h>

#include <stdexcept>

// The page's script, as JavaScript is written.
// clang-format off
EM_JS(void, dish_create_window,
      (int id, const char* name, const char* caption, int width, int height, int left, int top,
       int placed, const char* font),
      {
          Dish.createWindow(id, UTF8ToString(name), UTF8ToString(caption), width, height,
                            placed ? {left: left, top: top} : null, UTF8ToString(font));
      });
EM_JS(void, dish_add_control,
      (int id, int kind, const char* name, int left, int top, int width, int height,
       const char* text, const char* font, const char* inside),
      {
          Dish.addControl(id, kind, UTF8ToString(name), left, top, width, height,
                          UTF8ToString(text), UTF8ToString(font), UTF8ToString(inside));
      });
EM_JS(void, dish_name_control, (int id, const char* name, const char* accessibleName),
      { Dish.nameControl(id, UTF8ToString(name), UTF8ToString(accessibleName)); });
EM_JS(void, dish_add_label_line,
      (int id, const char* name, const char* text, int length, double widening),
      { Dish.addLabelLine(id, UTF8ToString(name), UTF8ToString(text, length), widening); });
EM_JS(void, dish_set_tab_order, (int id, const char* names),
      { Dish.setTabOrder(id, UTF8ToString(names).split("\n")); });
EM_JS(void, dish_destroy_window, (int id), { Dish.destroyWindow(id); });
EM_JS(void, dish_show_window, (int id), { Dish.showWindow(id); });
EM_JS(void, dish_hide_window, (int id), { Dish.hideWindow(id); });
EM_JS(char*, dish_control_text, (int id, const char* name),
      { return Dish.newString(Dish.controlText(id, UTF8ToString(name))); });
EM_JS(void, dish_set_control_text, (int id, const char* name, const char* text, int length),
      { Dish.setControlText(id, UTF8ToString(name), UTF8ToString(text, length)); });
EM_JS(void, dish_set_picture, (int id, const char* name, int picture),
      { Dish.setPicture(id, UTF8ToString(name), picture); });
// clang-format on

namespace webui {

namespace {

int KindCode(forms::ControlKind kind) {
    switch (kind) {
    case forms::ControlKind::Button:
        return kButton;
    case forms::ControlKind::TextBox:
        return kTextBox;
    case forms::ControlKind::Label:
        return kLabel;
    case forms::ControlKind::Line:
        return kLine;
    case forms::ControlKind::PictureBox:
        return kPictureBox;
    }
    return kLabel;
}

} // namespace

WebWindow::WebWindow(int id, const forms::WindowTable& table, forms::WindowEvents& events)
    : m_id(id), m_events(events) {
    const auto position = table.screenPosition;
    dish_create_window(id, std::string(table.name).c_str(), std::string(table.caption).c_str(),
                       forms::TwipsToPixels(table.width, kCssDpi),
                       forms::TwipsToPixels(table.height, kCssDpi),
                       position ? forms::TwipsToPixels(position->x, kCssDpi) : 0,
                       position ? forms::TwipsToPixels(position->y, kCssDpi) : 0,
                       position.has_value(), CssFont(forms::kDefaultFont).c_str());
    for (const forms::Control& control : table.controls) {
        const forms::Font& font = control.font ? *control.font : forms::kDefaultFont;
        const std::string css = CssFont(font);
        const std::string name(control.name);
        const forms::PixelRect place = forms::ControlPixels(control, kCssDpi);
        dish_add_control(id, KindCode(control.kind), name.c_str(), place.left, place.top,
                         place.width, place.height, std::string(control.text).c_str(), css.c_str(),
                         std::string(control.inside).c_str());
        if (const std::string spoken = forms::AccessibleName(table, control); !spoken.empty()) {
            dish_name_control(id, name.c_str(), spoken.c_str());
        }
        if (control.kind != forms::ControlKind::Label) {
            continue;
        }
        // Broken here, with the rule every build's labels follow, in the
        // label's own font as the page draws it.
        const double widening = BlankWidening(font, css);
        const std::string_view caption = control.text;
        const auto measure = [&](std::string_view piece) { return Measure(css, piece); };
        for (const forms::CaptionLine& line :
             forms::LabelCaptionLines(caption, place.width, widening, measure)) {
            dish_add_label_line(id, name.c_str(), caption.data() + line.start,
                                static_cast<int>(line.length), widening);
        }
    }
    std::string order;
    for (const forms::Control* control : forms::TabOrder(table)) {
        order += (order.empty() ? "" : "\n") + std::string(control->name);
    }
    dish_set_tab_order(id, order.c_str());
}

WebWindow::~WebWindow() {
    dish_destroy_window(m_id);
}

void WebWindow::show() {
    dish_show_window(m_id);
}

void WebWindow::hide() {
    dish_hide_window(m_id);
}

std::string WebWindow::text(std::string_view control) const {
    return Take(dish_control_text(m_id, std::string(control).c_str()));
}

void WebWindow::setText(std::string_view control, std::string_view text) {
    dish_set_control_text(m_id, std::string(control).c_str(), text.data(),
                          static_cast<int>(text.size()));
}

void WebWindow::setPicture(std::string_view control, std::unique_ptr<forms::Picture> picture) {
    const auto* shown = dynamic_cast<const WebPicture*>(picture.get());
    if (!shown) {
        throw std::logic_error("not a picture the page has read");
    }
    dish_set_picture(m_id, std::string(control).c_str(), shown->id);
    // The picture it replaces is freed with its handle.
    m_pictures.insert_or_assign(std::string(control), std::move(picture));
}

calc::DrawingSurface& WebWindow::surface() {
    if (!m_surface) {
        m_surface = std::make_unique<CanvasSurface>(m_id);
    }
    return *m_surface;
}

} // namespace webui
