#pragma once

#include "forms/platform.h"
#include "qtdrawingsurface.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace qtui {

class FailureReporter;
class PictureBox;

// A window built from its table: every control a Qt widget named as the table
// names it, placed in twips, with its font and in its keyboard order. Clicks
// and closing from the title bar go to the runtime. Its compass drawing is
// kept in an image, so covering or resizing the window does not lose it.
class QtWindow : public QWidget, public forms::NativeWindow {
    Q_OBJECT

public:
    QtWindow(const forms::WindowTable& table, forms::WindowEvents& events);

    void show() override;
    void hide() override;
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    void setPicture(std::string_view control, std::unique_ptr<forms::Picture> picture) override;
    calc::DrawingSurface& surface() override;

    // No more events go to the runtime: the window is on its way out.
    void detach() { m_events = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    template <class Widget> Widget* control(std::string_view name) const;

    forms::WindowEvents* m_events;
    std::map<std::string, QWidget*, std::less<>> m_controls;
    QSize m_clientSize; // as the table gives it, in pixels
    std::unique_ptr<QtDrawingSurface> m_surface;
};

// The Qt front end of the windows: failures go to `reporter`, the
// installation's files are looked for in `programDirectory`, and ending the
// program calls `endProgram`.
class QtPlatform : public forms::Platform {
public:
    QtPlatform(FailureReporter& reporter, std::string programDirectory,
               std::function<void()> endProgram);

    forms::NativeWindow* createWindow(const forms::WindowTable& table,
                                      forms::WindowEvents& events) override;
    void destroyWindow(forms::NativeWindow* window) override;
    void yield() override;
    std::unique_ptr<forms::Picture> readPicture(const std::string& path) override;
    void reportFailure(forms::NativeWindow* window, const std::string& message) override;
    std::string programDirectory() override;
    void startProgram(const std::string& path) override;
    void endProgram() override;

private:
    FailureReporter& m_reporter;
    std::string m_programDirectory;
    std::function<void()> m_endProgram;
};

// The widget a front-end window is, for tests and tools that look at it.
QWidget* WidgetOf(const forms::NativeWindow& window);

} // namespace qtui
