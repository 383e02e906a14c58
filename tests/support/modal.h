#pragma once
// Answers modal dialogs from a timer: the action runs once a dialog of the given kind is the
// active modal window. No test waits for ctest's time limit: a dialog that does not show within
// the time fails the test with a message naming it (any other modal window in the way is named
// and closed), and so does a dialog still or again in front after its answer when no other answer
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
#include <typeinfo>

namespace modalwait {

template <class Form>
std::string formName()
{
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> name(abi::__cxa_demangle(typeid(Form).name(), nullptr, nullptr, &status),
                                                 std::free);
    return status == 0 ? name.get() : typeid(Form).name();
}

// Answers waiting for a dialog of the kind.
template <class Form>
int &pending()
{
    static int count = 0;
    return count;
}

// Runs `tick` every 5 ms until it returns true.
inline void poll(std::function<bool()> tick)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, tick] {
        if (tick()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

}  // namespace modalwait

template <class Form>
void whenModal(std::function<void(Form *)> action, int timeoutMs = 5000)
{
    using namespace modalwait;
    ++pending<Form>();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    poll([clock, action, timeoutMs] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *form = dynamic_cast<Form *>(modal)) {
            --pending<Form>();
            action(form);
            // The answer must take the dialog away, unless another answer waits for it.
            auto answered = std::make_shared<QElapsedTimer>();
            answered->start();
            QPointer<QWidget> shown(form);
            poll([shown, answered, timeoutMs] {
                if (!shown || QApplication::activeModalWidget() != shown || pending<Form>() > 0)
                    return true;
                if (answered->elapsed() <= timeoutMs)
                    return false;
                ADD_FAILURE() << "the " << formName<Form>() << " window is still in front after its answer";
                shown->hide();
                return true;
            });
            return true;
        }
        if (clock->elapsed() <= timeoutMs)
            return false;
        --pending<Form>();
        ADD_FAILURE() << "the " << formName<Form>() << " window did not show"
                      << (modal ? std::string(" (") + modal->metaObject()->className() + " was in front and is closed)"
                                : std::string());
        if (modal)
            modal->hide();
        return true;
    });
}
