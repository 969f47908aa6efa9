#include "qt/form.h"
#include "qt/forms.h"
#include "uitestsupport.h"

#include "core/failure.h"

#include <QCloseEvent>
#include <QPointer>
#include <QTest>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

using qtui::FormId;

namespace {

// A window that counts its loads and can be told to fail in one.
class ProbeForm : public qtui::Form {
public:
    ProbeForm(qtui::Forms& forms, FormId id, int& loads, bool& failLoad)
        : Form(forms, id), m_loads(loads), m_failLoad(failLoad) {}
    void Form_Load() override {
        ++m_loads;
        if (m_failLoad) {
            throw calc::FileNotFound("picture.bmp");
        }
        state = 1;
    }
    int state = 0;

private:
    int& m_loads;
    bool& m_failLoad;
};

class FormsTest : public testing::Test {
protected:
    void SetUp() override {
        for (FormId id : {FormId::TV, FormId::LIN1}) {
            t.forms->setFactory(id, [this, id](qtui::Forms& f) {
                return new ProbeForm(f, id, loads[id], failLoad[id]);
            });
        }
    }
    ProbeForm* probe(FormId id) { return static_cast<ProbeForm*>(t.forms->find(id)); }

    TestForms t;
    std::map<FormId, int> loads;
    std::map<FormId, bool> failLoad;
};

TEST_F(FormsTest, LoadCreatesOnceAndDoesNotShow) {
    qtui::Form* first = t.forms->load(FormId::LIN1);
    qtui::Form* second = t.forms->load(FormId::LIN1);
    EXPECT_EQ(first, second);
    EXPECT_EQ(loads[FormId::LIN1], 1);
    EXPECT_FALSE(first->isVisible());
}

TEST_F(FormsTest, ShowLoadsFirstAndNeverDuplicates) {
    t.forms->show(FormId::LIN1);
    t.forms->show(FormId::LIN1);
    EXPECT_EQ(loads[FormId::LIN1], 1);
    EXPECT_TRUE(t.forms->find(FormId::LIN1)->isVisible());
}

TEST_F(FormsTest, UnloadDiscardsStateAndTheNextUseLoadsAfresh) {
    t.forms->show(FormId::LIN1);
    QPointer<qtui::Form> old = t.forms->find(FormId::LIN1);
    probe(FormId::LIN1)->state = 42;
    t.forms->unload(FormId::LIN1);
    EXPECT_FALSE(t.forms->isLoaded(FormId::LIN1));
    EXPECT_FALSE(old->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    t.forms->show(FormId::LIN1);
    EXPECT_EQ(loads[FormId::LIN1], 2);
    EXPECT_EQ(probe(FormId::LIN1)->state, 1);
}

TEST_F(FormsTest, TitleBarCloseUnloadsASecondaryWindow) {
    t.forms->show(FormId::LIN1);
    t.forms->find(FormId::LIN1)->close();
    EXPECT_FALSE(t.forms->isLoaded(FormId::LIN1));
    EXPECT_EQ(t.ends, 0);
}

TEST_F(FormsTest, FailedLoadLeavesNothingLoadedAndPassesTheFailureOn) {
    failLoad[FormId::LIN1] = true;
    EXPECT_THROW(t.forms->show(FormId::LIN1), calc::FileNotFound);
    EXPECT_FALSE(t.forms->isLoaded(FormId::LIN1));
    failLoad[FormId::LIN1] = false;
    t.forms->show(FormId::LIN1);
    EXPECT_EQ(loads[FormId::LIN1], 2);
    EXPECT_TRUE(t.forms->find(FormId::LIN1)->isVisible());
}

TEST_F(FormsTest, StartUpShowsTheMainWindowEvenWhenItsLoadFails) {
    failLoad[FormId::TV] = true;
    t.forms->startUp();
    ASSERT_TRUE(t.forms->isLoaded(FormId::TV));
    EXPECT_TRUE(t.forms->find(FormId::TV)->isVisible());
    EXPECT_EQ(t.reporter.messages, QStringList{"File not found: picture.bmp"});
    EXPECT_EQ(loads[FormId::TV], 1);
}

TEST_F(FormsTest, HandlerFailureIsReportedAndTheStepsBeforeItStayDone) {
    int steps = 0;
    t.forms->runHandler(nullptr, [&] {
        ++steps;
        throw calc::Overflow();
        ++steps;
    });
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(t.reporter.messages, QStringList{"Overflow"});
}

TEST_F(FormsTest, WindowsWithoutAFactoryAreNotPartOfTheProgram) {
    EXPECT_EQ(t.forms->load(FormId::Illustrations), nullptr);
    t.forms->show(FormId::Illustrations);
    EXPECT_TRUE(t.shown.names.isEmpty());
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
