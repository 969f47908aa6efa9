#include "webplatform.h"

#include "core/bitmapheader.h"
#include "core/failure.h"
#include "forms/captionlines.h"
#include "forms/faces.h"
#include "forms/geometry.h"
#include "pagetext.h"
#include "raster.h"

#include <emscripten.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <stdexcept>
#include <string>

// Everything the page shows is made by its script (windows.js, the object
// `Dish`); these calls are the whole of what the program asks of it.

// The page's script, as JavaScript is written.
// clang-format off
EM_JS(void, dish_create_window,
      (int id, const char* name, const char* caption, int width, int height, int left, int top,
       int placed),
      {
          Dish.createWindow(id, UTF8ToString(name), UTF8ToString(caption), width, height,
                            placed ? {left: left, top: top} : null);
      });
EM_JS(void, dish_add_control,
      (int id, int kind, const char* name, int left, int top, int width, int height,
       const char* text, const char* font, const char* inside),
      {
          Dish.addControl(id, kind, UTF8ToString(name), left, top, width, height,
                          UTF8ToString(text), UTF8ToString(font), UTF8ToString(inside));
      });
EM_JS(void, dish_add_label_line,
      (int id, const char* name, const char* text, int length, double widening),
      { Dish.addLabelLine(id, UTF8ToString(name), UTF8ToString(text, length), widening); });
EM_JS(double, dish_measure, (const char* font, const char* text, int length),
      { return Dish.measure(UTF8ToString(font), UTF8ToString(text, length)); });
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
EM_JS(void, dish_free_picture, (int picture), { Dish.freePicture(picture); });
EM_JS(void, dish_clear, (int id), { Dish.clearSurface(id); });
EM_JS(int, dish_surface_scale, (int id), { return Dish.surfaceScale(id); });
EM_JS(void, dish_fill_spans, (int id, const int* spans, int count, int red, int green, int blue), {
    Dish.fillSpans(id, HEAP32.subarray(spans >> 2, (spans >> 2) + 3 * count), red, green, blue);
});
EM_JS(void, dish_draw_text,
      (int id, double x, double y, const char* text, int length, int red, int green, int blue),
      { Dish.drawText(id, x, y, UTF8ToString(text, length), red, green, blue); });
EM_JS(void, dish_report_failure, (int id, const char* title, const char* message),
      { Dish.reportFailure(id, UTF8ToString(title), UTF8ToString(message)); });
EM_JS(char*, dish_page_directory, (), { return Dish.newString(Dish.pageDirectory()); });
EM_JS(void, dish_end_program, (const char* title), { Dish.endProgram(UTF8ToString(title)); });
EM_JS(int, dish_take_event, (int* window, int* kind, char** name), {
    const event = Dish.takeEvent();
    if (!event) {
        return 0;
    }
    HEAP32[window >> 2] = event.window;
    HEAP32[kind >> 2] = event.kind;
    HEAP32[name >> 2] = Dish.newString(event.name);
    return 1;
});

// The faces that stand in for `windows`, regular and bold, from the site's
// fonts/<file>-Regular.ttf and -Bold.ttf, loaded before anything is measured
// in them.
EM_ASYNC_JS(void, dish_load_face, (const char* windows, const char* file), {
    await Dish.loadFace(UTF8ToString(windows), UTF8ToString(file));
});
// These wait for the browser: the program's stack is kept meanwhile and the
// page goes on handling events, whose clicks it keeps for later.
EM_ASYNC_JS(void, dish_let_events_run, (), { await Dish.letEventsRun(); });
// The file at `url` whole, its size in `size`; null with -1 in `size` when
// there is none, with -2 when it cannot be read (the reason is the result),
// with -3 when it is larger than `limit`.
EM_ASYNC_JS(char*, dish_fetch, (const char* url, int limit, int* size),
            { return await Dish.fetchFile(UTF8ToString(url), limit, size); });
// The picture the browser reads from `size` bytes; 0 when it cannot, with
// its width and height.
EM_ASYNC_JS(int, dish_decode_picture, (const char* bytes, int size, int* width, int* height),
            { return await Dish.decodePicture(bytes, size, width, height); });
// 0 when the page at `url` was opened in a new window; else the reason it
// was not (to be freed).
EM_ASYNC_JS(char*, dish_open_page, (const char* url),
            { return await Dish.openPage(UTF8ToString(url)); });
// clang-format on

namespace webui {

namespace {

// The only platform of the program: the page's clicks come to it.
WebPlatform* g_platform = nullptr;

// What the page's script tells apart.
enum Kind { kButton, kTextBox, kLabel, kLine, kPictureBox };
enum Event { kClicked = 0, kCloseRequested = 1 };

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

class WebPicture final : public forms::Picture {
public:
    explicit WebPicture(int id) : id(id) {}
    ~WebPicture() override { dish_free_picture(id); }
    const int id;
};

// The page lays itself out in CSS pixels, 96 of them an inch.
constexpr double kCssDpi = forms::kReferenceDpi;

// How much wider each blank is drawn than the font's own, in CSS pixels.
double BlankWidening(const forms::Font& font, const std::string& css) {
    const forms::StandInFace* face = forms::StandInFor(font.name);
    if (!face || face->blankWidening == 0) {
        return 0;
    }
    return face->blankWidening * dish_measure(css.c_str(), " ", 1);
}

} // namespace

std::string CssFont(const forms::Font& font) {
    const double pixels = forms::PointsToPixels(font.points, kCssDpi);
    char size[32];
    std::snprintf(size, sizeof size, "%.4gpx", pixels);
    return std::string(font.bold ? "bold " : "") + size + " \"" + std::string(font.name) + "\"";
}

// --- CanvasSurface ---------------------------------------------------------

namespace {

void Fill(int window, const std::vector<Span>& spans, calc::Colour colour) {
    if (spans.empty()) {
        return;
    }
    std::vector<int> flat;
    flat.reserve(3 * spans.size());
    for (const Span& span : spans) {
        flat.insert(flat.end(), {span.x, span.y, span.length});
    }
    dish_fill_spans(window, flat.data(), static_cast<int>(spans.size()), colour.red, colour.green,
                    colour.blue);
}

} // namespace

CanvasSurface::CanvasSurface(int window) : m_window(window), m_scale(dish_surface_scale(window)) {
    clear();
}

double CanvasSurface::pixels(float twips) const {
    return forms::Pixels(twips, kCssDpi) * m_scale;
}

void CanvasSurface::clear() {
    dish_clear(m_window);
    m_textX = 0;
    m_textY = 0;
}

void CanvasSurface::line(float x1, float y1, float x2, float y2, calc::Colour colour) {
    Fill(m_window, LineSpans(pixels(x1), pixels(y1), pixels(x2), pixels(y2), pen()), colour);
}

// Dots are small (an end dot is some 7 pixels across); drawn centred on the
// pixel grid with a whole radius, they come out round, the same on every side.
void CanvasSurface::circle(float x, float y, float radius) {
    const int r = forms::TwipsToPixels(radius, kCssDpi) * m_scale;
    const int extent = 2 * r + pen();
    const double cx = OnGrid(pixels(x), extent);
    const double cy = OnGrid(pixels(y), extent);
    if (m_fillStyle == calc::FillStyle::Solid) {
        Fill(m_window, DiscSpans(cx, cy, r), calc::Colour{0, 0, 0});
    }
    Fill(m_window, RingSpans(cx, cy, r, pen()), m_foreground);
}

void CanvasSurface::arc(float x, float y, float radius, float start, float end) {
    double sweep = static_cast<double>(end) - start;
    if (sweep < 0) {
        sweep += 2 * std::numbers::pi;
    }
    if (sweep == 0) {
        // Start and end coincide only for an azimuth of 0: nothing to mark.
        return;
    }
    Fill(m_window, RingSpans(pixels(x), pixels(y), pixels(radius), pen(), Sweep{start, sweep}),
         m_foreground);
}

void CanvasSurface::point(float x, float y) {
    Fill(m_window, DiscSpans(OnGrid(pixels(x), pen()), OnGrid(pixels(y), pen()), pen() / 2.0),
         m_foreground);
}

void CanvasSurface::setTextPosition(float x, float y) {
    m_textX = x;
    m_textY = y;
}

void CanvasSurface::text(std::string_view text) {
    // At a whole pixel of the display, in CSS pixels.
    dish_draw_text(m_window, std::round(pixels(m_textX)) / m_scale,
                   std::round(pixels(m_textY)) / m_scale, text.data(),
                   static_cast<int>(text.size()), m_foreground.red, m_foreground.green,
                   m_foreground.blue);
}

// --- WebWindow -------------------------------------------------------------

WebWindow::WebWindow(int id, const forms::WindowTable& table, forms::WindowEvents& events)
    : m_id(id), m_events(events) {
    const auto position = table.screenPosition;
    dish_create_window(
        id, std::string(table.name).c_str(), std::string(table.caption).c_str(),
        forms::TwipsToPixels(table.width, kCssDpi), forms::TwipsToPixels(table.height, kCssDpi),
        position ? forms::TwipsToPixels(position->x, kCssDpi) : 0,
        position ? forms::TwipsToPixels(position->y, kCssDpi) : 0, position.has_value());
    for (const forms::Control& control : table.controls) {
        const forms::Font& font = control.font ? *control.font : forms::kSans825;
        const std::string css = CssFont(font);
        const std::string name(control.name);
        const forms::PixelRect place = forms::ControlPixels(control, kCssDpi);
        dish_add_control(id, KindCode(control.kind), name.c_str(), place.left, place.top,
                         place.width, place.height, std::string(control.text).c_str(), css.c_str(),
                         std::string(control.inside).c_str());
        if (control.kind != forms::ControlKind::Label) {
            continue;
        }
        // Broken here, with the rule every build's labels follow, in the
        // label's own font as the page draws it.
        const double widening = BlankWidening(font, css);
        const std::string_view caption = control.text;
        const auto measure = [&](std::string_view piece) {
            return dish_measure(css.c_str(), piece.data(), static_cast<int>(piece.size()));
        };
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

// --- WebPlatform -----------------------------------------------------------

WebPlatform::WebPlatform(std::string title) : m_title(std::move(title)) {
    g_platform = this;
    // The page draws the faces the windows name with their stand-ins, as the
    // Linux build does.
    for (const forms::StandInFace& face : forms::kStandInFaces) {
        std::string file(face.standIn);
        std::erase(file, ' ');
        dish_load_face(std::string(face.windows).c_str(), file.c_str());
    }
}

WebPlatform::~WebPlatform() {
    g_platform = nullptr;
}

forms::NativeWindow* WebPlatform::createWindow(const forms::WindowTable& table,
                                               forms::WindowEvents& events) {
    const int id = m_nextId++;
    auto window = std::make_unique<WebWindow>(id, table, events);
    WebWindow* made = window.get();
    m_windows.emplace(id, std::move(window));
    return made;
}

void WebPlatform::destroyWindow(forms::NativeWindow* window) {
    for (auto it = m_windows.begin(); it != m_windows.end(); ++it) {
        if (it->second.get() == window) {
            // Nothing of the window is used once its click has been handed
            // on, so it goes at once; clicks still kept for it are dropped.
            m_windows.erase(it);
            return;
        }
    }
}

void WebPlatform::yield() {
    dish_let_events_run();
    int window = 0;
    int kind = 0;
    char* name = nullptr;
    while (dish_take_event(&window, &kind, &name)) {
        deliver(window, kind, Take(name));
    }
}

void WebPlatform::deliver(int window, int kind, std::string_view control) {
    const auto it = m_windows.find(window);
    if (it == m_windows.end()) {
        return; // closed meanwhile
    }
    forms::WindowEvents& events = it->second->events();
    if (kind == kCloseRequested) {
        events.closeRequested();
    } else {
        events.clicked(control);
    }
}

std::unique_ptr<forms::Picture> WebPlatform::readPicture(const std::string& path) {
    int size = 0;
    const PageText bytes{
        dish_fetch(path.c_str(), static_cast<int>(calc::kMaxPictureFileBytes), &size)};
    if (size == -1) {
        throw calc::FileNotFound(path);
    }
    if (size == -2) {
        calc::PictureNotReadable(path, bytes.get());
    }
    if (size == -3) {
        calc::PictureNotReadable(path, "larger than any picture the programs read");
    }
    calc::CheckPictureFile(path, std::string_view(bytes.get(), static_cast<std::size_t>(size)),
                           static_cast<std::uint64_t>(size),
                           calc::PictureFormats::WindowsBitmapOnly);
    int width = 0;
    int height = 0;
    const int picture = dish_decode_picture(bytes.get(), size, &width, &height);
    if (picture == 0) {
        calc::PictureNotReadable(path, "the browser cannot read it as a bitmap");
    }
    auto read = std::make_unique<WebPicture>(picture);
    if (const std::string tooLarge = calc::PictureTooLarge(width, height); !tooLarge.empty()) {
        calc::PictureNotReadable(path, tooLarge);
    }
    return read;
}

void WebPlatform::reportFailure(forms::NativeWindow* window, const std::string& message) {
    int id = 0;
    for (const auto& [key, shown] : m_windows) {
        if (shown.get() == window) {
            id = key;
        }
    }
    dish_report_failure(id, m_title.c_str(), message.c_str());
}

std::string WebPlatform::programDirectory() {
    return Take(dish_page_directory());
}

void WebPlatform::startProgram(const std::string& path) {
    const std::string page = path + ".html";
    if (const PageText refusal{dish_open_page(page.c_str())}) {
        throw forms::StartFailure(page, refusal.get());
    }
}

void WebPlatform::endProgram() {
    // The windows leave the page now; the runtime frees them as it ends.
    dish_end_program(m_title.c_str());
}

} // namespace webui

// The page's script hands each click, and each close from a title bar, here.
extern "C" EMSCRIPTEN_KEEPALIVE void dish_event(int window, int kind, const char* control) {
    if (webui::g_platform) {
        webui::g_platform->deliver(window, kind, control);
    }
}
