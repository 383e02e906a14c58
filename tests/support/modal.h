#pragma once
// Answers modal dialogs from a timer: the action runs once a dialog of the given kind is the
// active modal window. No test waits for ctest's time limit: a dialog that does not show within
// the time fails the test with a message naming it (a modal window in the way is named and
// closed), and so does a dialog still or again in front after its answer while no other answer
// waits for it (it is closed). An answer belongs to the test that asks for it: when the test ends,
// a dialog it still waits for fails that test, and no answer reaches the next test (where it
// would answer another test's dialog, or reach the ended test's variables).

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cxxabi.h>
#include <functional>
#include <list>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace modalwait {

template <class Form>
std::string formName()
{
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> name(abi::__cxa_demangle(typeid(Form).name(), nullptr, nullptr, &status), std::free);
    return status == 0 ? name.get() : typeid(Form).name();
}

// Answers waiting for a dialog of the kind.
template <class Form>
inline int pending = 0;

// How far a poll has gone: still in time, past its time, or its test ended.
enum class Stage { InTime, Late, TestEnded };

struct Poll {
    std::unique_ptr<QTimer> timer = std::make_unique<QTimer>();
    QElapsedTimer clock;
    int timeoutMs = 0;
    std::function<bool(Stage)> tick;
};

// The polls of the running test.
inline std::list<std::shared_ptr<Poll>> &polls()
{
    static std::list<std::shared_ptr<Poll>> running;
    return running;
}

// Stops a poll and forgets it. Its timer, whose signal may be running, goes once that returns.
inline void finish(const std::shared_ptr<Poll> &poll)
{
    if (!poll->timer)
        return;
    poll->timer->stop();
    poll->timer.release()->deleteLater();
    polls().remove(poll);
}

// Runs `tick` every 5 ms until it returns true, telling it whether `timeoutMs` have passed.
inline void poll(int timeoutMs, std::function<bool(Stage)> tick)
{
    auto poll = std::make_shared<Poll>();
    poll->timeoutMs = timeoutMs;
    poll->tick = std::move(tick);
    poll->clock.start();
    // The poll is kept by the list alone.
    QObject::connect(poll->timer.get(), &QTimer::timeout, [weak = std::weak_ptr<Poll>(poll)] {
        const std::shared_ptr<Poll> running = weak.lock();
        if (running && running->tick(running->clock.elapsed() > running->timeoutMs ? Stage::Late : Stage::InTime))
            finish(running);
    });
    polls().push_back(poll);
    poll->timer->start(5);
}

// Ends every poll of the test that has just ended, each told so once: the answers not given fail
// it. Called when a test ends, before its result is printed.
inline void endTest()
{
    while (!polls().empty()) {
        const std::shared_ptr<Poll> last = polls().front();
        last->tick(Stage::TestEnded);
        finish(last);
    }
}

}  // namespace modalwait

template <class Form>
void whenModal(std::function<void(Form *)> action, int timeoutMs = 5000)
{
    using namespace modalwait;
    ++pending<Form>;
    poll(timeoutMs, [action, timeoutMs](Stage stage) {
        QWidget *modal = QApplication::activeModalWidget();
        // The test's variables the action may use are gone once it has ended.
        if (auto *form = dynamic_cast<Form *>(modal); form && stage != Stage::TestEnded) {
            --pending<Form>;
            action(form);
            QPointer<QWidget> answered(form);
            poll(timeoutMs, [answered](Stage stage) {
                if (!answered || QApplication::activeModalWidget() != answered || pending<Form> > 0)
                    return true;
                if (stage == Stage::InTime)
                    return false;
                ADD_FAILURE() << "the " << formName<Form>() << " window is still in front after its answer";
                answered->hide();
                return true;
            });
            return true;
        }
        if (stage == Stage::InTime)
            return false;
        --pending<Form>;
        ADD_FAILURE() << "the " << formName<Form>() << " window did not show"
                      << (stage == Stage::TestEnded ? " before the test ended" : "")
                      << (modal ? std::string(" (") + modal->metaObject()->className() + " was in front and is closed)" : "");
        if (modal)
            modal->hide();
        return true;
    });
}
