#pragma once
// Message boxes with the program's style numbers and answer codes. Tests answer them through a
// hook, so that no test ever waits on a dialog.
//
// A box belongs to the window it is shown for, passed by the caller. It opens above that window
// (also when the window stays on top of others) and takes the keyboard focus. A window that is
// not shown cannot hold a box (it may be about to be deleted, and a box inside a hidden window
// is never painted), so then the box stands alone.

#include <QString>
#include <functional>

class QWidget;

namespace msgbox {

// Styles: 0 OK; 64 information, OK; 33 question, OK and Cancel; 36 question, Yes and No;
// 292 question, Yes and No with No as the default button.
inline constexpr int kOkOnly = 0;
inline constexpr int kOkCancelQuestion = 33;
inline constexpr int kYesNoQuestion = 36;
inline constexpr int kInformation = 64;
inline constexpr int kYesNoQuestionDefaultNo = 292;

// Answers.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;

struct Request {
    QString text;
    int style = 0;
    QString title;
    QWidget *parent = nullptr;  // the window the box opens above, nullptr when it stands alone
};

using Hook = std::function<int(const Request &)>;

// Replaces the dialog with `hook` until it is reset with an empty function.
void setHook(Hook hook);

// The window a box shown for `owner` opens above: the top-level window of `owner` when that is
// shown, else none.
QWidget *boxParent(QWidget *owner);

}  // namespace msgbox

// Shows a modal message box above the window of `owner` and returns the answer code. Should that
// window go while the box is open, the box goes with it and the answer is the Cancel or No
// button's code (OK when the box has no other).
int vbMsgBox(QWidget *owner, const QString &text, int style, const QString &title);
