// Real message boxes (no answering hook): the keys that answer them, the window that holds them,
// and what happens when that window goes while a box is open.

#include "platform/ui/msgbox.h"
#include "support/modal.h"

#include <QMessageBox>
#include <QTest>

TEST(MessageBox, EscapeAnswersTheSecondButtonAndReturnTheDefaultOne)
{
    using namespace msgbox;
    const struct {
        int style;
        Qt::Key key;
        int answer;
    } cases[] = {{kOkCancelQuestion, Qt::Key_Escape, kCancel}, {kInformation, Qt::Key_Escape, kOk},
                 {kYesNoQuestion, Qt::Key_Escape, kNo}, {kYesNoQuestion, Qt::Key_Return, kYes},
                 {kYesNoQuestionDefaultNo, Qt::Key_Return, kNo}};
    QWidget window;
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window.show();
    for (const auto &c : cases) {
        bool above = false;
        whenModal<QMessageBox>([&](QMessageBox *box) {
            above = box->parentWidget() == &window && box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box, c.key);
        });
        EXPECT_EQ(vbMsgBox(&window, QStringLiteral("Go on?"), c.style, QStringLiteral("t")), c.answer) << c.style;
        EXPECT_TRUE(above) << c.style;
    }
    // A hidden window may be on its way out: it holds no box.
    auto *child = new QWidget(&window);
    EXPECT_EQ(boxParent(child), &window);
    window.hide();
    EXPECT_EQ(boxParent(child), nullptr);
}

// The window a box belongs to is deleted while the box waits (a deletion left pending when the
// box's event loop starts): the box goes with it and the caller gets its Cancel button's answer;
// nothing is used after it was freed.
TEST(MessageBox, AWindowDeletedUnderItsBoxEndsTheBoxSafely)
{
    auto *window = new QWidget;
    window->show();
    window->deleteLater();
    EXPECT_EQ(vbMsgBox(window, QStringLiteral("Go on?"), msgbox::kOkCancelQuestion, QStringLiteral("t")),
              msgbox::kCancel);
}
