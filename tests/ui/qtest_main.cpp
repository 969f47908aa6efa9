#include "qt/twips.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The handler that was in place before ours; every other message goes there.
QtMessageHandler previousHandler = nullptr;

// The offscreen platform says so every time a window is raised; that is no news.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains("does not support raise()")) {
        return;
    }
    if (previousHandler) {
        previousHandler(type, context, message);
    }
}

} // namespace

// GUI tests run on a real QApplication, normally on the offscreen platform.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    previousHandler = qInstallMessageHandler(quietHandler);
    QApplication::setQuitOnLastWindowClosed(false);
    qtui::installWindowFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
