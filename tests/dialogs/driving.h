#pragma once
// Driving the windows as a user does: controls found by their names ("txtNewNumber(3)" for an
// element of a control array), clicked with the mouse, keys typed where the user's keys arrive.

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>
#include <gtest/gtest.h>

template <class T = QWidget>
T *named(const QObject *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    EXPECT_NE(found, nullptr) << "no control " << name.toStdString();
    return found;
}

// The text a box, label or button of the window shows.
inline QString shown(const QObject *window, const QString &name) { return named(window, name)->property("text").toString(); }

// Shows the window and makes it the active one, so that it takes the keys.
inline void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << window->windowTitle().toStdString();
}

// A click on the named control; as with the mouse, its window becomes the active one.
inline void click(const QObject *window, const QString &name)
{
    QWidget *control = named(window, name);
    if (control->window()->isVisible() && !control->window()->isActiveWindow())
        showActive(control->window());
    QTest::mouseClick(control, Qt::LeftButton);
}

// Keys typed where they arrive: at the focus widget, else at the active window (a character
// beyond ASCII as a key without a code of its own).
inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr) << "no window takes the keys";
    QTest::keyClick(target, key, modifiers);
}
inline void typeKeys(const QString &keys)
{
    QWidget *target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "no widget has the focus";
    for (QChar c : keys)
        c.unicode() < 128 ? QTest::keyClick(target, c.toLatin1())
                          : QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A click into the named box, its text selected with the keys and replaced by `keys`.
inline void typeInto(const QObject *window, const QString &name, const QString &keys)
{
    click(window, name);
    pressKey(Qt::Key_End);
    pressKey(Qt::Key_Home, Qt::ShiftModifier);
    pressKey(Qt::Key_Delete);
    typeKeys(keys);
}

// A watch that fails the test, naming the window, when a modal window stays open for three
// seconds, and closes it: one the test did not expect (a fault made the program ask) would
// otherwise wait for ever.
inline std::unique_ptr<QTimer> watchModals()
{
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [seen = QPointer<QWidget>(), ticks = 0]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        ticks = modal && modal == seen ? ticks + 1 : 0;
        seen = modal;
        if (ticks == 30) {
            ADD_FAILURE() << "a modal window stayed open: " << modal->metaObject()->className();
            modal->hide();
        }
    });
    timer->start(100);
    return timer;
}
