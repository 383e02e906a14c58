#include "dialogs/frmdatepicker.h"

#include "analysis/clslotterydb.h"
#include "app/application.h"
#include "app/uilanguage.h"
#include "platform/ui/clswindowontop.h"
#include "dialogs/controlnames.h"
#include "dialogs/frmlotterymanager.h"
#include "platform/dates.h"
#include "platform/twips.h"
#include "platform/ui/forms.h"

#include <QCalendarWidget>

frmDatePicker::frmDatePicker()
{
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint);
    setNoCaptionText(this);
    setClientSizeTwips(this, 3630, 3360);
    setFixedSize(size());

    calDrawingDate = new QCalendarWidget(this);
    calDrawingDate->setGeometry(0, 0, twips::toPixels(3615), twips::toPixels(2775));
    calDrawingDate->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // A date is picked with the mouse or the arrow keys. The calendar's typed-date editor showed
    // garbled dates and could take the calendar to a year thousands of years back.
    calDrawingDate->setDateEditEnabled(false);
    // Month and day names, and the first day of the week, of the interface language.
    calDrawingDate->setLocale(fncInterfaceLocale());
    cmdOK = new VbButton(this);
    cmdOK->Move(960, 2880, 1215, 345);
    cmdOK->setCaption(QStringLiteral("OK"));
    cmdCancel = new VbButton(this);
    cmdCancel->Move(2280, 2880, 1215, 345);
    cmdCancel->setCaption(QStringLiteral("CANCEL"));
    nameControls({{calDrawingDate, "calDrawingDate"}, {cmdOK, "cmdOK"}, {cmdCancel, "cmdCancel"}});
    cmdOK->onClick = [this] { cmdOK_Click(); };
    cmdCancel->onClick = [this] { cmdCancel_Click(); };

    Form_Load();
}

void frmDatePicker::Form_Load()
{
    // Without a drawing the calendar opens on today.
    const auto newest = app().gobjLotteryDb ? app().gobjLotteryDb->fncGetMaxWeekDate() : DbValue<QDate>::empty();
    calDrawingDate->setSelectedDate(newest.hasValue() ? newest.value() : QDate::currentDate());
}

void frmDatePicker::Display()
{
    if (const frmLotteryManager *manager = DefaultInstance<frmLotteryManager>::existing()) {
        const QPoint corner = manager->frameGeometry().topLeft();
        const int left = twips::fromPixels(corner.x()) + manager->cmdPickDate->Left() + manager->cmdPickDate->Width() + 50;
        const int top = twips::fromPixels(corner.y()) + manager->cmdPickDate->Top() + 275;
        move(twips::toPixels(left), twips::toPixels(top));
    }
    subPutOnTop(this);
    exec();
}

void frmDatePicker::cmdOK_Click()
{
    if (frmLotteryManager *manager = DefaultInstance<frmLotteryManager>::existing())
        manager->txtNewDate->setText(dates::toShortText(calDrawingDate->selectedDate()));
    cmdCancel_Click();
}

void frmDatePicker::cmdCancel_Click() { DefaultInstance<frmDatePicker>::unload(this); }

void frmDatePicker::reject() { cmdCancel_Click(); }
