// Real message boxes (no test seam): which window holds them, and what happens when that window
// goes while a box is open.

#include "platform/ui/msgbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

TEST(MessageBoxParent, OnlyAShownWindowHoldsABox)
{
    EXPECT_EQ(msgbox::boxParent(nullptr), nullptr);
    QWidget window;
    auto *child = new QWidget(&window);
    EXPECT_EQ(msgbox::boxParent(child), nullptr);  // hidden: it may be on its way out
    window.show();
    EXPECT_EQ(msgbox::boxParent(child), &window);
    EXPECT_EQ(msgbox::boxParent(&window), &window);
    window.hide();
    EXPECT_EQ(msgbox::boxParent(&window), nullptr);
}

TEST(MessageBoxParent, ABoxAboveAnAlwaysOnTopWindowStaysAboveIt)
{
    QWidget window;
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window.show();
    QWidget *parent = nullptr;
    bool onTop = false;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            parent = box->parentWidget();
            onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            box->button(QMessageBox::No)->click();
        }
    });
    EXPECT_EQ(vbMsgBox(&window, QStringLiteral("Delete?"), msgbox::kYesNoQuestion, QStringLiteral("t")), msgbox::kNo);
    EXPECT_EQ(parent, &window);
    EXPECT_TRUE(onTop);
}

// The window a box belongs to is deleted while the box waits (a window unloaded from a timer, or
// a deletion left pending when the box's event loop starts): the box goes with it and the caller
// gets the answer of its Cancel button; nothing is used after it was freed.
TEST(MessageBoxParent, AWindowDeletedUnderItsBoxEndsTheBoxSafely)
{
    auto *window = new QWidget;
    window->show();
    window->deleteLater();  // pending when the box's own event loop starts
    EXPECT_EQ(vbMsgBox(window, QStringLiteral("Go on?"), msgbox::kOkCancelQuestion, QStringLiteral("t")),
              msgbox::kCancel);
}
