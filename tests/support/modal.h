#pragma once
// Answers modal dialogs from a timer: the action runs once a dialog of the given kind is the
// active modal window. A dialog that never shows fails the test instead of hanging it; any other
// modal window in the way is closed.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

template <class Form>
void whenModal(std::function<void(Form *)> action, int timeoutMs = 5000)
{
    auto *timer = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *form = dynamic_cast<Form *>(modal)) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            action(form);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            ADD_FAILURE() << "the expected modal dialog did not show";
            if (modal)
                modal->hide();
        }
    });
    timer->start();
}
