#pragma once
// The date picker of lottery management: a small modal calendar beside the manager's date button,
// opening on the date of the newest drawing. OK writes the chosen date into the manager's date box
// in the short date form; CANCEL (also Esc and the title bar's close) leaves the box as it was.

#include "platform/ui/controls.h"

#include <QDialog>

class QCalendarWidget;

class frmDatePicker : public QDialog {
public:
    frmDatePicker();

    QCalendarWidget *calDrawingDate = nullptr;
    VbButton *cmdOK = nullptr;
    VbButton *cmdCancel = nullptr;

    // Places the dialog beside the lottery manager's date button, puts it on top and shows it
    // modally until it closes.
    void Display();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void reject() override;

private:
    void Form_Load();
};
