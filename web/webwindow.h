#pragma once

#include "canvassurface.h"
#include "forms/controltable.h"
#include "forms/platform.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace webui {

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

} // namespace webui
