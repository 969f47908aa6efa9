#pragma once

#include "core/failure.h"

#include <memory>
#include <string>
#include <string_view>

namespace calc {
class DrawingSurface;
}

namespace forms {

struct WindowTable;

// A build that cannot be started: "Cannot start <path>: <reason>", the path
// as the user knows it.
class StartFailure : public calc::Failure {
public:
    StartFailure(const std::string& path, const std::string& reason)
        : calc::Failure("Cannot start " + path + ": " + reason) {}
};

// A picture read from a file, in whatever form the platform shows it.
class Picture {
public:
    virtual ~Picture() = default;
};

// What a window tells the runtime: a button was clicked, or the user closed
// the window from its title bar.
class WindowEvents {
public:
    virtual void clicked(std::string_view control) = 0;
    virtual void closeRequested() = 0;

protected:
    ~WindowEvents() = default;
};

// One window on screen, built by the platform from its table. Controls are
// named as the table names them.
class NativeWindow {
public:
    // Shows the window modeless, restores it when minimised and brings it to
    // the front, active.
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual std::string text(std::string_view control) const = 0;
    // Replaces a text box's text; its beginning shows.
    virtual void setText(std::string_view control, std::string_view text) = 0;
    // Replaces the picture a picture box shows.
    virtual void setPicture(std::string_view control, std::unique_ptr<Picture> picture) = 0;
    // The surface the compass drawing goes on; its drawing stays until it is
    // cleared or the window is destroyed.
    virtual calc::DrawingSurface& surface() = 0;

protected:
    ~NativeWindow() = default;
};

// Everything the windows need from the toolkit and the system.
class Platform {
public:
    virtual ~Platform() = default;

    // Builds a window from its table, hidden. It tells `events` what the user
    // does to it until it is destroyed.
    virtual NativeWindow* createWindow(const WindowTable& table, WindowEvents& events) = 0;
    // Takes the window off the screen and frees it. May be called while one of
    // the window's own clicks is being handled.
    virtual void destroyWindow(NativeWindow* window) = 0;
    // Handles every event that is pending, once, and returns.
    virtual void yield() = 0;
    // Reads a picture file whole; throws calc::FileNotFound or
    // calc::FileFailure when it is missing or not a picture that can be read.
    virtual std::unique_ptr<Picture> readPicture(const std::string& path) = 0;
    // Tells the user of a failure, over `window` where there is one.
    virtual void reportFailure(NativeWindow* window, const std::string& message) = 0;
    // The directory of the running program, without a trailing separator.
    virtual std::string programDirectory() = 0;
    // Starts the program at `path` as a process of its own, with no
    // arguments, in its normal window, in the current directory. Throws
    // StartFailure when it cannot.
    virtual void startProgram(const std::string& path) = 0;
    // Ends the program once the running handler has returned.
    virtual void endProgram() = 0;
};

} // namespace forms
