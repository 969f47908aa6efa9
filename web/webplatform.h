#pragma once

#include "core/drawingsurface.h"
#include "forms/controltable.h"
#include "forms/platform.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace webui {

// A font as the page's style names it: "bold 16px \"MS Sans Serif\"".
std::string CssFont(const forms::Font& font);

// The compass drawing on a window's canvas, without smoothing, in the
// display's own pixels: at 200 % every place and every pen width doubles.
// The text, as the labels', is smoothed.
class CanvasSurface final : public calc::DrawingSurface {
public:
    explicit CanvasSurface(int window);

    void clear() override;
    void setPenWidth(int pixels) override { m_penWidth = pixels; }
    void setFillStyle(calc::FillStyle style) override { m_fillStyle = style; }
    void setForeColour(calc::Colour colour) override { m_foreground = colour; }
    void line(float x1, float y1, float x2, float y2, calc::Colour colour) override;
    void circle(float x, float y, float radius) override;
    void arc(float x, float y, float radius, float start, float end) override;
    void point(float x, float y) override;
    void setTextPosition(float x, float y) override;
    void text(std::string_view text) override;

private:
    // Twips to the display's pixels, and a pen's width in them.
    double pixels(float twips) const;
    int pen() const { return m_penWidth * m_scale; }

    int m_window;
    int m_scale; // the display's pixels to a CSS pixel, a whole number
    int m_penWidth = 1;
    calc::FillStyle m_fillStyle = calc::FillStyle::Transparent;
    calc::Colour m_foreground{0, 0, 0};
    float m_textX = 0;
    float m_textY = 0;
};

// A window inside the page, built by the page's script from its table:
// real buttons, text inputs and labels, each with its name in `data-name`,
// in an element whose id is the window's name.
class WebWindow final : public forms::NativeWindow {
public:
    WebWindow(int id, const forms::WindowTable& table, forms::WindowEvents& events);
    ~WebWindow();
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    void show() override;
    void hide() override;
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    void setPicture(std::string_view control, std::unique_ptr<forms::Picture> picture) override;
    calc::DrawingSurface& surface() override;

    forms::WindowEvents& events() const { return m_events; }

private:
    int m_id;
    forms::WindowEvents& m_events;
    std::map<std::string, std::unique_ptr<forms::Picture>, std::less<>> m_pictures;
    std::unique_ptr<CanvasSurface> m_surface;
};

// The browser front end of the windows: failures shown in in-page message
// boxes titled `title`, the installation's files looked for beside the page.
class WebPlatform final : public forms::Platform {
public:
    explicit WebPlatform(std::string title);
    ~WebPlatform() override;
    WebPlatform(const WebPlatform&) = delete;
    WebPlatform& operator=(const WebPlatform&) = delete;

    forms::NativeWindow* createWindow(const forms::WindowTable& table,
                                      forms::WindowEvents& events) override;
    void destroyWindow(forms::NativeWindow* window) override;
    // Lets the browser handle what is pending (the page's script keeps the
    // clicks meanwhile), then hands the clicks it kept to their windows.
    void yield() override;
    std::unique_ptr<forms::Picture> readPicture(const std::string& path) override;
    void reportFailure(forms::NativeWindow* window, const std::string& message) override;
    std::string programDirectory() override;
    // Opens the page of the program at `path` (its name with ".html") in a
    // new window of the browser.
    void startProgram(const std::string& path) override;
    void endProgram() override;

    // What the user did to window `window`: clicked `control`, or closed it.
    void deliver(int window, int kind, std::string_view control);

private:
    std::string m_title;
    int m_nextId = 1;
    std::map<int, std::unique_ptr<WebWindow>> m_windows;
};

} // namespace webui
