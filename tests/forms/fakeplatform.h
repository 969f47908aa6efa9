#pragma once

#include "core/failure.h"
#include "core/recordingsurface.h"
#include "forms/controltable.h"
#include "forms/platform.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// A front end without a toolkit that writes down what the windows do to it:
// windows made, shown, hidden and destroyed, texts set, pictures read and
// shown, yields, failures reported, programs started. Clicks and closes come
// from the test.
class FakePlatform : public forms::Platform {
public:
    struct Window final : forms::NativeWindow {
        Window(FakePlatform& platform, const forms::WindowTable& table, forms::WindowEvents& events)
            : platform(platform), name(table.name), events(events) {
            for (const forms::Control& c : table.controls) {
                if (c.kind == forms::ControlKind::TextBox) {
                    texts[std::string(c.name)] = c.text;
                }
            }
        }
        void show() override {
            visible = true;
            platform.note("show " + name);
        }
        void hide() override {
            visible = false;
            platform.note("hide " + name);
        }
        std::string text(std::string_view control) const override {
            return texts.at(std::string(control));
        }
        void setText(std::string_view control, std::string_view text) override {
            texts.at(std::string(control)) = text;
            platform.note(name + "." + std::string(control) + "=" + std::string(text));
        }
        void setPicture(std::string_view control, std::unique_ptr<forms::Picture> p) override {
            picture = static_cast<Picture&>(*p).path;
            platform.note(name + "." + std::string(control) + " shows " + picture);
        }
        calc::DrawingSurface& surface() override { return drawing; }

        FakePlatform& platform;
        std::string name;
        forms::WindowEvents& events;
        std::map<std::string, std::string> texts;
        std::string picture;
        bool visible = false;
        RecordingSurface drawing;
    };

    struct Picture : forms::Picture {
        explicit Picture(std::string path) : path(std::move(path)) {}
        std::string path;
    };

    forms::NativeWindow* createWindow(const forms::WindowTable& table,
                                      forms::WindowEvents& events) override {
        auto window = std::make_unique<Window>(*this, table, events);
        note("create " + window->name);
        Window* made = window.get();
        windows.push_back(std::move(window));
        return made;
    }
    void destroyWindow(forms::NativeWindow* window) override {
        auto* gone = static_cast<Window*>(window);
        note("destroy " + gone->name);
        std::erase_if(windows, [gone](const auto& w) { return w.get() == gone; });
    }
    void yield() override {
        note("yield");
        // What is pending at the yield runs now; what it queues waits for the
        // next one.
        auto pending = std::move(atYield);
        atYield.clear();
        for (auto& action : pending) {
            action();
        }
    }
    std::unique_ptr<forms::Picture> readPicture(const std::string& path) override {
        note("read " + path);
        if (missing.count(path)) {
            throw calc::FileNotFound(path);
        }
        return std::make_unique<Picture>(path);
    }
    void reportFailure(forms::NativeWindow* window, const std::string& message) override {
        reports.push_back((window ? static_cast<Window*>(window)->name + ": " : "") + message);
    }
    std::string programDirectory() override { return directory; }
    void startProgram(const std::string& path) override {
        if (missing.count(path)) {
            throw forms::StartFailure(path, "no such program");
        }
        note("start " + path);
    }
    void endProgram() override { note("end"); }

    // The window of that name on screen or hidden, or none.
    Window* window(std::string_view name) const {
        for (const auto& w : windows) {
            if (w->name == name) {
                return w.get();
            }
        }
        return nullptr;
    }
    void click(std::string_view window, std::string_view control) {
        this->window(window)->events.clicked(control);
    }
    void close(std::string_view window) { this->window(window)->events.closeRequested(); }

    void note(std::string line) { log.push_back(std::move(line)); }

    std::string directory = "/opt/dish";
    std::set<std::string> missing; // pictures and programs that are not there
    std::vector<std::function<void()>> atYield;
    std::vector<std::string> log;
    std::vector<std::string> reports;
    std::vector<std::unique_ptr<Window>> windows;
};
