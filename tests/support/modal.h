#pragma once
// Answers modal dialogs from a timer: the action runs once a dialog of the given kind is the
// active modal window. No test waits for ctest's time limit: a dialog that does not show within
// the time fails the test with a message naming it (a modal window in the way is named and
// closed), and so does a dialog still or again in front after its answer while no other answer
// waits for it (it is closed).

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cxxabi.h>
#include <functional>
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

// Runs `tick` every 5 ms until it returns true; `timedOut` tells whether `timeoutMs` have passed.
inline void poll(int timeoutMs, std::function<bool(bool timedOut)> tick)
{
    auto *timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, timeoutMs, tick] {
        if (tick(clock->elapsed() > timeoutMs)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(5);
}

}  // namespace modalwait

template <class Form>
void whenModal(std::function<void(Form *)> action, int timeoutMs = 5000)
{
    using namespace modalwait;
    ++pending<Form>;
    poll(timeoutMs, [action, timeoutMs](bool timedOut) {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *form = dynamic_cast<Form *>(modal)) {
            --pending<Form>;
            action(form);
            QPointer<QWidget> answered(form);
            poll(timeoutMs, [answered](bool late) {
                if (!answered || QApplication::activeModalWidget() != answered || pending<Form> > 0)
                    return true;
                if (late) {
                    ADD_FAILURE() << "the " << formName<Form>() << " window is still in front after its answer";
                    answered->hide();
                }
                return late;
            });
            return true;
        }
        if (!timedOut)
            return false;
        --pending<Form>;
        ADD_FAILURE() << "the " << formName<Form>() << " window did not show"
                      << (modal ? std::string(" (") + modal->metaObject()->className() + " was in front and is closed)" : "");
        if (modal)
            modal->hide();
        return true;
    });
}
