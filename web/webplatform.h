#pragma once

#include "forms/platform.h"
#include "webwindow.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace webui {

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
