#pragma once
// Message boxes with the program's style numbers and answer codes. Tests answer them through a
// hook, so that no test ever waits on a dialog.

#include <QString>
#include <functional>

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
};

using Hook = std::function<int(const Request &)>;

// Replaces the dialog with `hook` until it is reset with an empty function.
void setHook(Hook hook);

}  // namespace msgbox

// Shows a modal message box and returns the answer code.
int vbMsgBox(const QString &text, int style, const QString &title);
