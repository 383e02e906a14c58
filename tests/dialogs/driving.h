#pragma once
// Driving the windows as a user does: controls found by their names ("txtNewNumber(3)" for an
// element of a control array), clicked with the mouse, keys typed where the user's keys arrive.

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

template <class T = QWidget>
T *named(const QObject *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    EXPECT_NE(found, nullptr) << "no control " << name.toStdString();
    return found;
}

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
    if (!control)
        return;
    if (control->window()->isVisible() && !control->window()->isActiveWindow())
        showActive(control->window());
    QTest::mouseClick(control, Qt::LeftButton);
}

// Where the user's keys arrive: the focus widget, else the active window itself.
inline QWidget *keyTarget()
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    EXPECT_NE(target, nullptr) << "no window takes the keys";
    return target;
}
inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    if (QWidget *target = keyTarget())
        QTest::keyClick(target, key, modifiers);
}
// Each character as the key that types it (a letter beyond ASCII as a key without a code of its own).
inline void typeKeys(const QString &keys)
{
    for (QChar c : keys)
        if (QWidget *target = keyTarget(); target && c.unicode() < 128)
            QTest::keyClick(target, c.toLatin1());
        else if (target)
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A click into the named box, its text selected with the keys and replaced by `keys`.
inline void typeInto(const QObject *window, const QString &name, const QString &keys)
{
    click(window, name);
    pressKey(Qt::Key_End);
    pressKey(Qt::Key_Home, Qt::ShiftModifier);
    if (keys.isEmpty())
        pressKey(Qt::Key_Delete);
    typeKeys(keys);
}
