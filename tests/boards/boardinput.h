#pragma once
// Input as the user gives it on a shown board: the board active, so that the focus moves as the
// user moves it, and a text typed into a box.

#include "boards/common/boardbase.h"

#include <QTest>
#include <gtest/gtest.h>

namespace boardinput {

inline void showActive(BoardBase *board)
{
    board->show();
    board->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(board));
}

// Focus into a box, the text replaced by typing, the focus parked.
inline void typeInto(BoardBase *board, VbTextBox *box, const QString &text)
{
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
    board->subParkFocus();
}

}  // namespace boardinput
