#include "qtplatform.h"

#include "buildstarter.h"
#include "controls.h"
#include "failurereporter.h"
#include "forms/controltable.h"
#include "forms/geometry.h"
#include "picturebox.h"
#include "pictureloader.h"
#include "twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>

namespace qtui {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class QtPicture : public forms::Picture {
public:
    explicit QtPicture(QImage image) : image(std::move(image)) {}
    QImage image;
};

} // namespace

QtWindow::QtWindow(const forms::WindowTable& table, forms::WindowEvents& events)
    : QWidget(nullptr), m_events(&events), m_clientSize(twipsSize(table.width, table.height)) {
    setObjectName(toQString(table.name));
    setWindowTitle(toQString(table.caption));
    if (table.screenPosition) {
        // The geometry of a top-level widget is that of its client area.
        setGeometry(
            twipsRect(table.screenPosition->x, table.screenPosition->y, table.width, table.height));
    } else {
        resize(twipsSize(table.width, table.height));
    }

    for (const forms::Control& c : table.controls) {
        QWidget* parent = this;
        if (!c.inside.empty()) {
            parent = m_controls.at(std::string(c.inside));
        }
        const std::string nameText(c.name);
        const char* name = nameText.c_str();
        QWidget* widget = nullptr;
        switch (c.kind) {
        case forms::ControlKind::Button: {
            QPushButton* button = makeButton(parent, name, controlPixels(c), toQString(c.text));
            connect(button, &QPushButton::clicked, this, [this, nameText] {
                if (m_events) {
                    m_events->clicked(nameText);
                }
            });
            widget = button;
            break;
        }
        case forms::ControlKind::TextBox:
            widget = makeTextBox(parent, name, controlPixels(c), toQString(c.text));
            break;
        case forms::ControlKind::Label:
            widget = makeLabel(parent, name, controlPixels(c), toQString(c.text));
            break;
        case forms::ControlKind::Line: {
            const auto [from, to] = forms::LineEndPixels(c, screenDpi());
            widget =
                new LineControl(parent, name, controlPixels(c), {from.x, from.y}, {to.x, to.y});
            break;
        }
        case forms::ControlKind::PictureBox:
            widget = new PictureBox(parent, name, controlPixels(c));
            widget->setFocusPolicy(Qt::StrongFocus);
            break;
        }
        // What a screen reader says of a box: the labels beside a text box,
        // what a picture box shows. A caption names the others.
        if (const std::string spoken = forms::AccessibleName(table, c); !spoken.empty()) {
            widget->setAccessibleName(toQString(spoken));
        }
        if (c.font) {
            widget->setFont(
                tableFont(std::string(c.font->name).c_str(), c.font->points, c.font->bold));
        }
        m_controls.emplace(nameText, widget);
    }

    QWidget* previous = nullptr;
    for (const forms::Control* c : forms::TabOrder(table)) {
        QWidget* widget = m_controls.at(std::string(c->name));
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        } else {
            widget->setFocus();
        }
        previous = widget;
    }
}

template <class Widget> Widget* QtWindow::control(std::string_view name) const {
    const auto it = m_controls.find(name);
    Widget* widget = it == m_controls.end() ? nullptr : qobject_cast<Widget*>(it->second);
    if (!widget) {
        throw std::logic_error(objectName().toStdString() + " has no control " + std::string(name) +
                               " of that kind");
    }
    return widget;
}

void QtWindow::show() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    QWidget::show();
    raise();
    activateWindow();
}

void QtWindow::hide() {
    QWidget::hide();
}

std::string QtWindow::text(std::string_view name) const {
    return control<QLineEdit>(name)->text().toStdString();
}

void QtWindow::setText(std::string_view name, std::string_view text) {
    QLineEdit* box = control<QLineEdit>(name);
    box->setText(toQString(text));
    // A text longer than its box is wide shows its beginning, not its end.
    box->setCursorPosition(0);
}

void QtWindow::setPicture(std::string_view name, std::unique_ptr<forms::Picture> picture) {
    control<PictureBox>(name)->setPicture(picture ? static_cast<QtPicture&>(*picture).image
                                                  : QImage());
}

calc::DrawingSurface& QtWindow::surface() {
    if (!m_surface) {
        m_surface = std::make_unique<QtDrawingSurface>(*this, m_clientSize);
    }
    return *m_surface;
}

void QtWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_events) {
        m_events->closeRequested();
    }
}

void QtWindow::paintEvent(QPaintEvent*) {
    if (m_surface) {
        QPainter painter(this);
        painter.drawImage(QPointF(0, 0), m_surface->image());
    }
}

QtPlatform::QtPlatform(FailureReporter& reporter, std::string programDirectory,
                       std::function<void()> endProgram)
    : m_reporter(reporter), m_programDirectory(std::move(programDirectory)),
      m_endProgram(std::move(endProgram)) {}

forms::NativeWindow* QtPlatform::createWindow(const forms::WindowTable& table,
                                              forms::WindowEvents& events) {
    return new QtWindow(table, events);
}

void QtPlatform::destroyWindow(forms::NativeWindow* window) {
    auto* widget = static_cast<QtWindow*>(window);
    // The window may be going from inside one of its own clicks: it leaves the
    // screen now and is deleted once the event loop has it back.
    widget->detach();
    widget->QWidget::hide();
    widget->deleteLater();
}

void QtPlatform::yield() {
    QCoreApplication::processEvents();
}

std::unique_ptr<forms::Picture> QtPlatform::readPicture(const std::string& path) {
    return std::make_unique<QtPicture>(ReadPicture(QString::fromStdString(path)));
}

void QtPlatform::reportFailure(forms::NativeWindow* window, const std::string& message) {
    // The messages carry file names and the system's reasons, both in the
    // locale's encoding.
    m_reporter.report(window ? WidgetOf(*window) : nullptr, QString::fromLocal8Bit(message));
}

std::string QtPlatform::programDirectory() {
    return m_programDirectory;
}

void QtPlatform::startProgram(const std::string& path) {
    StartBuild(QString::fromStdString(path), QDir::currentPath());
}

void QtPlatform::endProgram() {
    m_endProgram();
}

QWidget* WidgetOf(const forms::NativeWindow& window) {
    return const_cast<QtWindow*>(static_cast<const QtWindow*>(&window));
}

} // namespace qtui
