#include "core/tempdir.h"
#include "forms/sdrevik.h"
#include "labellayout.h"
#include "qt/twips.h"
#include "uitestsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

// Stand-ins for the two builds in a directory whose name has blanks, quotes
// and shell characters. Each one records how it was started.
class LauncherTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        installDir = root.path() + "/my dir 'with' \"quotes\" $(touch pwned) ;&";
        workDir = root.path() + "/work here";
        recordDir = root.path() + "/records";
        ASSERT_TRUE(QDir().mkpath(installDir));
        ASSERT_TRUE(QDir().mkpath(workDir));
        ASSERT_TRUE(QDir().mkpath(recordDir));
        qputenv("LAUNCHER_TEST_RECORDS", recordDir.toLocal8Bit());
        for (const char* name : {"drevik", "korvel"}) {
            writeStandIn(name);
        }
        inWork.emplace(workDir.toStdString());
        platform.emplace(reporter, installDir.toStdString(), [this] { ++ends; });
        forms.emplace(*platform);
        launcher::RegisterLauncherWindow(*forms);
        forms->startUp(forms::FormId::SDREVIK);
        window = qtui::WidgetOf(forms->find(forms::FormId::SDREVIK)->window());
    }
    void TearDown() override {
        forms.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        inWork.reset();
    }

    void writeStandIn(const QString& name) {
        QFile file(installDir + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n"
                   "record=\"$LAUNCHER_TEST_RECORDS/" +
                   name.toLatin1() +
                   ".$$\"\n"
                   "printf '%s\\n' \"$#\" \"$(pwd)\" > \"$record.tmp\"\n"
                   "mv \"$record.tmp\" \"$record\"\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The records the stand-ins left, waiting a little for them to appear.
    QStringList records(const QString& name, int expected) {
        QElapsedTimer timer;
        timer.start();
        QStringList found;
        do {
            found = QDir(recordDir).entryList({name + ".*"}, QDir::Files);
            found.removeIf([](const QString& f) { return f.endsWith(".tmp"); });
            if (found.size() >= expected) {
                break;
            }
            QTest::qWait(20);
        } while (timer.elapsed() < 10000);
        QStringList contents;
        for (const QString& f : found) {
            QFile file(recordDir + "/" + f);
            file.open(QIODevice::ReadOnly);
            contents << QString::fromLocal8Bit(file.readAll());
        }
        return contents;
    }

    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }

    QTemporaryDir root;
    QString installDir;
    QString workDir;
    QString recordDir;
    RecordingReporter reporter;
    int ends = 0;
    std::optional<InWorkingDirectory> inWork;
    std::optional<qtui::QtPlatform> platform;
    std::optional<forms::Runtime> forms;
    QWidget* window = nullptr;
};

TEST_F(LauncherTest, EachButtonStartsItsBuildWithNoArgumentsInTheWorkingDirectory) {
    const QString expected = "0\n" + QDir(workDir).canonicalPath() + "\n";
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    EXPECT_EQ(records("drevik", 1), QStringList{expected});
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    EXPECT_EQ(records("korvel", 1), QStringList{expected});
    EXPECT_TRUE(reporter.messages.isEmpty()) << reporter.messages.join("; ").toStdString();
    EXPECT_FALSE(QFile::exists(workDir + "/pwned"));
    EXPECT_FALSE(QFile::exists(installDir + "/pwned"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ends, 0);
}

TEST_F(LauncherTest, ClickingTwiceStartsTwoCopies) {
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    EXPECT_EQ(records("drevik", 2).size(), 2);
}

TEST_F(LauncherTest, EnterRightAfterStartStartsTheRussianBuild) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    ASSERT_EQ(QApplication::focusWidget(), button("Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(records("drevik", 1).size(), 1);
    EXPECT_TRUE(records("korvel", 0).isEmpty());
}

TEST_F(LauncherTest, MissingOrUnrunnableBuildIsReportedAndNothingStarts) {
    QFile::remove(installDir + "/drevik");
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QFile::setPermissions(installDir + "/korvel", QFile::ReadOwner | QFile::WriteOwner);
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    const QString path = QDir::toNativeSeparators(installDir);
    EXPECT_EQ(reporter.messages,
              (QStringList{"Cannot start " + path + "/drevik: the file does not exist",
                           "Cannot start " + path + "/korvel: the file is not executable"}));
    QTest::qWait(200);
    EXPECT_TRUE(QDir(recordDir).isEmpty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(LauncherTest, ExitAndClosingTheWindowEndTheLauncher) {
    QTest::mouseClick(button("Command3"), Qt::LeftButton);
    EXPECT_EQ(ends, 1);
    window->close();
    EXPECT_EQ(ends, 2);
}

TEST_F(LauncherTest, WindowAndCaptions) {
    EXPECT_EQ(window->objectName(), "SDREVIK");
    EXPECT_EQ(window->windowTitle(), "START");
    EXPECT_EQ(window->size(), qtui::twipsSize(4680, 3195));
    EXPECT_EQ(button("Command1")->text(), "RUSSIAN");
    EXPECT_EQ(button("Command2")->text(), "ENGLISH");
    EXPECT_EQ(button("Command3")->text(), "EXIT");
    // The two hidden labels are one-pixel strips.
    EXPECT_EQ(window->findChild<QWidget*>("Label1")->height(), qtui::twipsToPixels(15));
    EXPECT_EQ(window->findChild<QWidget*>("Label2")->height(), qtui::twipsToPixels(15));
    EXPECT_EQ(labelCrossings(*window), QStringList{});
}

} // namespace
