#include "core/tempdir.h"
#include "labellayout.h"
#include "lang/language.h"
#include "qt/application.h"
#include "qt/picturebox.h"
#include "qt/twips.h"
#include "uitestsupport.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <thread>

namespace fs = std::filesystem;
using forms::FormId;

namespace {

// Notes, with each report, which windows were on screen at that moment.
class VisibilityReporter : public qtui::FailureReporter {
public:
    void report(QWidget*, const QString& message) override {
        QStringList visible;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible()) {
                visible << widget->objectName();
            }
        }
        reports << message + " | shown: " + visible.join(',');
    }
    QStringList reports;
};

// A whole calculator started as the program starts, with a working directory
// of its own and the installation's pictures (or none) in its program
// directory.
class StartUp : public testing::Test {
protected:
    void start(const calc::LanguageTable& texts, const std::string& programDirectory) {
        inWork.emplace(work.path());
        platform = std::make_unique<qtui::QtPlatform>(reporter, programDirectory, [] {});
        forms = std::make_unique<forms::Runtime>(*platform);
        calculator::RegisterCalculatorWindows(*forms, texts);
        forms->startUp(FormId::TV);
    }
    void TearDown() override {
        forms.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QWidget* window(FormId id) {
        const forms::Form* form = forms->find(id);
        return form ? qtui::WidgetOf(form->window()) : nullptr;
    }
    template <class T> T* control(FormId id, const char* name) {
        return window(id)->findChild<T*>(name);
    }
    void click(FormId id, const char* name) {
        QTest::mouseClick(control<QPushButton>(id, name), Qt::LeftButton);
    }

    TempDir work;
    std::optional<InWorkingDirectory> inWork;
    VisibilityReporter reporter;
    ShownWindows shown;
    std::unique_ptr<qtui::QtPlatform> platform;
    std::unique_ptr<forms::Runtime> forms;
};

const std::string kInstalled = DISH_PICTURE_DIRECTORY;

TEST_F(StartUp, IllustrationsFirstCompassHiddenMainWindowLastOnTopAndActive) {
    start(calc::EnglishTable(), kInstalled);
    ASSERT_TRUE(reporter.reports.isEmpty()) << reporter.reports.join('\n').toStdString();
    EXPECT_EQ(shown.names, (QStringList{"RIS123E", "TV"}));

    QWidget* pictures = window(FormId::Illustrations);
    ASSERT_NE(pictures, nullptr);
    EXPECT_EQ(pictures->objectName(), "RIS123E");
    EXPECT_TRUE(pictures->isVisible());
    EXPECT_EQ(pictures->geometry().topLeft(), qtui::twipsPoint(1860, 1530));
    EXPECT_TRUE(control<qtui::PictureBox>(FormId::Illustrations, "Picture1")->picture().isNull());

    ASSERT_TRUE(forms->isLoaded(FormId::LIN1));
    EXPECT_FALSE(window(FormId::LIN1)->isVisible());

    QWidget* tv = window(FormId::TV);
    EXPECT_TRUE(tv->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(tv));
    EXPECT_EQ(QApplication::activeWindow(), tv);
    EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>(FormId::TV, "Text1"));
}

TEST_F(StartUp, TheRussianBuildStartsTheSameWayWithItsOwnWindowName) {
    start(calc::RussianTable(), kInstalled);
    ASSERT_TRUE(reporter.reports.isEmpty()) << reporter.reports.join('\n').toStdString();
    EXPECT_EQ(window(FormId::Illustrations)->objectName(), "RIS123");
    EXPECT_EQ(window(FormId::Illustrations)->windowTitle(), "RIS123");
    EXPECT_EQ(shown.names, (QStringList{"RIS123", "TV"}));
}

TEST_F(StartUp, MissingTitlePictureIsReportedBeforeTheMainWindowWhichStillWorks) {
    TempDir empty;
    start(calc::EnglishTable(), empty.str());
    ASSERT_EQ(reporter.reports.size(), 1);
    // Nothing was on screen yet when the report came.
    EXPECT_EQ(reporter.reports[0],
              QString::fromStdString("File not found: " + (empty.path() / "GDS1ENG.BMP").string() +
                                     " | shown: "));
    EXPECT_FALSE(forms->isLoaded(FormId::Illustrations));
    EXPECT_FALSE(forms->isLoaded(FormId::LIN1));
    EXPECT_EQ(shown.names, QStringList{"TV"});
    ASSERT_TRUE(QTest::qWaitForWindowActive(window(FormId::TV)));

    // The calculator works, and the compass window is loaded on first use.
    control<QLineEdit>(FormId::TV, "Text5")->setText("13");
    click(FormId::TV, "Gprog");
    EXPECT_EQ(control<QLineEdit>(FormId::TV, "Text8")->text(), " 217.344292538128");
    click(FormId::TV, "NAPR");
    ASSERT_TRUE(forms->isLoaded(FormId::LIN1));
    EXPECT_TRUE(window(FormId::LIN1)->isVisible());
    // Pucture tries the title picture again and says so once more.
    click(FormId::TV, "RISYNOK");
    EXPECT_EQ(reporter.reports.size(), 2);
    EXPECT_FALSE(forms->isLoaded(FormId::Illustrations));
}

// What a build computes, writes and draws for the satellite at 13 degrees.
struct Outcome {
    QString alfa, beta;
    std::string file;
    QImage drawing;
};

Outcome runBuild(const calc::LanguageTable& texts) {
    TempDir work;
    const InWorkingDirectory inWork(work.path());
    Outcome outcome;
    {
        TestForms t(texts, DISH_PICTURE_DIRECTORY);
        t.registerCalculatorWindows();
        t.forms->startUp(FormId::TV);
        QWidget* tv = t.window(FormId::TV);
        tv->findChild<QLineEdit*>("Text5")->setText("13");
        QTest::mouseClick(tv->findChild<QPushButton*>("Gprog"), Qt::LeftButton);
        QTest::mouseClick(tv->findChild<QPushButton*>("NAPR"), Qt::LeftButton);
        QWidget* compass = t.window(FormId::LIN1);
        QTest::mouseClick(compass->findChild<QPushButton*>("START"), Qt::LeftButton);
        outcome.alfa = tv->findChild<QLineEdit*>("Text8")->text();
        outcome.beta = tv->findChild<QLineEdit*>("Text7")->text();
        outcome.file = work.read("rlin1.txt");
        // The drawing, without the label whose width is the builds' one
        // difference in this window.
        compass->findChild<QWidget*>("Label1")->hide();
        outcome.drawing = compass->grab().toImage();
        EXPECT_TRUE(t.reporter.messages.isEmpty()) << t.reporter.messages.join('\n').toStdString();
    }
    return outcome;
}

TEST(BothBuilds, GiveTheSameNumbersFileAndDrawing) {
    const Outcome english = runBuild(calc::EnglishTable());
    const Outcome russian = runBuild(calc::RussianTable());
    EXPECT_EQ(english.alfa, " 217.344292538128");
    EXPECT_EQ(russian.alfa, english.alfa);
    EXPECT_EQ(russian.beta, english.beta);
    EXPECT_EQ(russian.file, english.file);
    ASSERT_FALSE(english.drawing.isNull());
    EXPECT_EQ(russian.drawing, english.drawing);
}

// Every program reports the release's version and the desktop entry it
// belongs to, by which the desktop (on Wayland) matches its windows to the
// menu entry's name and icon.
TEST(EveryProgram, ReportsTheReleaseVersionAndItsDesktopEntry) {
    const QString name = QCoreApplication::applicationName();
    qtui::SetUpApplication("Korvel");
    EXPECT_EQ(QCoreApplication::applicationVersion(), DISH_TEST_VERSION);
    EXPECT_EQ(QGuiApplication::desktopFileName(), DISH_TEST_DESKTOP_ENTRY);
    QCoreApplication::setApplicationName(name);
}

// Every label of every window, in both builds, draws its words inside its own
// rectangle and clear of the window's lines and other controls.
TEST(Labels, NoWordLeavesItsLabelOrCrossesALineOrAnotherControl) {
    for (const calc::LanguageTable* texts : {&calc::EnglishTable(), &calc::RussianTable()}) {
        TestForms t(*texts, kInstalled);
        t.registerCalculatorWindows();
        t.forms->startUp(FormId::TV);
        for (const FormId id : {FormId::TV, FormId::LIN1, FormId::Illustrations}) {
            const QWidget* window = t.window(id);
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(labelCrossings(*window), QStringList{}) << window->objectName().toStdString();
        }
    }
}

} // namespace

// A Qt warning passes through the test harness's message handler and comes
// back: a handler that called itself would never return from it.
TEST(TestHarness, PassesAWarningOnAndReturns) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> returned = done->get_future();
    std::thread([done] {
        qWarning("a warning from a test");
        done->set_value();
    }).detach();
    EXPECT_EQ(returned.wait_for(std::chrono::seconds(10)), std::future_status::ready);
}
