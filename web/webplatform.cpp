#include "webplatform.h"

#include "fonts.h"
#include "pagecodes.h"
#include "pagetext.h"
#include "pictures.h"

#include <emscripten.h>

// Everything the page shows is made by its script (windows.js, the object
// `Dish`); each file of the front end holds the calls its own job makes of it.

// The page's script, as JavaScript is written.
// clang-format off
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
// These wait for the browser: the program's stack is kept meanwhile and the
// page goes on handling events, whose clicks it keeps for later.
EM_ASYNC_JS(void, dish_let_events_run, (), { await Dish.letEventsRun(); });
// 0 when the page at `url` was opened in a new window; else the reason it
// was not (to be freed).
EM_ASYNC_JS(char*, dish_open_page, (const char* url),
            { return await Dish.openPage(UTF8ToString(url)); });
// clang-format on

namespace webui {

namespace {

// The only platform of the program: the page's clicks come to it.
WebPlatform* g_platform = nullptr;

} // namespace

WebPlatform::WebPlatform(std::string title) : m_title(std::move(title)) {
    g_platform = this;
}

WebPlatform::~WebPlatform() {
    g_platform = nullptr;
}

forms::NativeWindow* WebPlatform::createWindow(const forms::WindowTable& table,
                                               forms::WindowEvents& events) {
    LoadFacesFor(table);
    const int id = m_nextId++;
    auto window = std::make_unique<WebWindow>(id, table, events);
    WebWindow* made = window.get();
    m_windows.emplace(id, std::move(window));
    // Building a window is the longest stretch of the program's start: the
    // browser gets its turn after each one, so that the page keeps answering
    // (clicks that come meanwhile wait for the program, as in any wait).
    dish_let_events_run();
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
    return ReadPicture(path);
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

// Where Tab (Shift+Tab: `backwards`) moves the focus among the `count`
// controls of a window that can take it now, in keyboard order, from the one
// at `at` (-1: none of them).
extern "C" EMSCRIPTEN_KEEPALIVE int dish_tab_step(int count, int at, int backwards) {
    return forms::TabStep(count, at, backwards != 0, [](int) { return true; });
}

// Where the focus goes when a window is shown again, among the `count`
// controls of it that can take it now, in keyboard order: `remembered` is
// the one that had it when the window was left (-1: none of them).
extern "C" EMSCRIPTEN_KEEPALIVE int dish_focus_on_return(int count, int remembered) {
    return forms::FocusOnReturn(count, remembered, [](int) { return true; });
}

// The page's script hands each click, and each close from a title bar, here.
extern "C" EMSCRIPTEN_KEEPALIVE void dish_event(int window, int kind, const char* control) {
    if (webui::g_platform) {
        webui::g_platform->deliver(window, kind, control);
    }
}
