#include "dialogs/frmcolumnprogress.h"

#include "analysis/openlottery.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "platform/ui/clswindowontop.h"
#include "dialogs/controlnames.h"
#include "platform/ui/forms.h"
#include "platform/ui/screen.h"
#include "platform/vb.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

namespace {

constexpr uint32_t kRed = 0x0000C0;
constexpr uint32_t kGreen = 0x008000;
constexpr uint32_t kBlack = 0x000000;

VbShape *makeBar(QWidget *parent, int left, int top, int width, int height, bool filled, uint32_t colour)
{
    auto *shape = new VbShape(parent);
    shape->Move(left, top, width, height);
    shape->setFill(filled, colour);
    shape->setBorder(true, filled ? colour : kBlack);
    return shape;
}

VbLabel *makeCount(QWidget *parent, int left, int top, uint32_t colour)
{
    auto *label = new VbLabel(parent);
    label->setFont(fncDialogFont(true));
    label->setForeColor(colour);
    label->setAutoSize(true);
    label->Move(left, top, label->Width(), label->Height());
    return label;
}

}  // namespace

frmColumnProgress::frmColumnProgress()
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setNoCaptionText(this);
    setFont(fncDialogFont(false));
    setWindowBackColor(this, static_cast<uint32_t>(app().glngBackColor));
    setClientSizeTwips(this, 9915, 1950);
    setFixedSize(size());

    fraColumns = new VbFrame(this);
    fraColumns->Move(120, 0, 9690, 1815);

    shpBarTrack = makeBar(fraColumns, 285, 525, 9180, 255, false, kBlack);
    shpExistingBar = makeBar(fraColumns, 285, 525, 0, 255, true, kRed);
    shpAddedBar = makeBar(fraColumns, 285, 525, 0, 255, true, kGreen);

    lblExistingColumns = makeCount(fraColumns, 285, 855, 0x000080);
    lblAddedColumns = makeCount(fraColumns, 285, 225, 0x404000);
    lblTotalColumns = makeCount(fraColumns, 9225, 855, vbc::kWindowText);

    const std::array<int, 3> captionLeft{555, 3225, 5580};
    const std::array<int, 3> squareLeft{285, 2955, 5340};
    const std::array<uint32_t, 3> squareColour{kRed, kGreen, kBlack};
    for (size_t i = 0; i < 3; ++i) {
        lblColumnCaption[i] = new VbLabel(fraColumns);
        lblColumnCaption[i]->setAutoSize(true);
        lblColumnCaption[i]->Move(captionLeft[i], 1395, 2000, 255);
        shpLegend[i] = makeBar(fraColumns, squareLeft[i], 1425, 135, 135, true, squareColour[i]);
    }

    Line1 = new VbLine(fraColumns);
    Line1->setPoints(285, 1200, 9450, 1200);

    cmdStop = new VbButton(fraColumns);
    cmdStop->Move(7695, 1305, 1755, 375);
    cmdStop->onClick = [this] { cmdStop_Click(); };

    nameControls({{fraColumns, "fraColumns"}, {shpBarTrack, "shpBarTrack"}, {shpExistingBar, "shpExistingBar"},
                  {shpAddedBar, "shpAddedBar"}, {lblExistingColumns, "lblExistingColumns"},
                  {lblAddedColumns, "lblAddedColumns"}, {lblTotalColumns, "lblTotalColumns"}, {Line1, "Line1"},
                  {cmdStop, "cmdStop"}});
    for (size_t i = 0; i < 3; ++i) {
        lblColumnCaption[i]->setObjectName(QStringLiteral("lblColumnCaption(%1)").arg(i));
        shpLegend[i]->setObjectName(QStringLiteral("shpLegend(%1)").arg(i));
    }

    tmrAddColumns = new QTimer(this);
    // No period: the next slice runs as soon as the event loop has handled what is waiting
    // (repaints, STOP), so the run never waits for a clock.
    tmrAddColumns->setInterval(0);
    connect(tmrAddColumns, &QTimer::timeout, this, [this] { tmrAddColumns_Timer(); });

    fraColumns->installEventFilter(this);
    for (VbLabel *label : {lblExistingColumns, lblAddedColumns, lblTotalColumns, lblColumnCaption[0],
                           lblColumnCaption[1], lblColumnCaption[2]})
        label->installEventFilter(this);
}

void frmColumnProgress::setSynchronousDisplay(bool on) { app().synchronousColumnProgress = on; }

frmColumnProgress::Outcome frmColumnProgress::Display(IColumnRun &run)
{
    run_ = &run;
    subPutOnTop(this);
    Form_Load();
    if (app().synchronousColumnProgress) {
        while (running_)
            tmrAddColumns_Timer();
    } else {
        exec();
    }
    const Outcome outcome = outcome_;
    run_ = nullptr;
    return outcome;
}

void frmColumnProgress::Form_Load()
{
    subSetLanguageCaptions();

    subCentreOnScreen(this);

    // The first bar: the columns kept from the ticket, in proportion to the whole run. A run of no
    // columns at all has nothing to show.
    const int32_t before = run_ ? run_->columnsBefore() : 0;
    const int32_t target = run_ ? run_->columnsTarget() : 0;
    const double all = static_cast<double>(before) + target;
    const double existing = all > 0 ? shpBarTrack->Width() / all * before : 0.0;
    shpExistingBar->setWidth(vb::cLngOrClamp(existing));

    lblExistingColumns->setCaption(QString::number(before));
    const int barEnd = shpExistingBar->Left() + shpExistingBar->Width();
    lblExistingColumns->setLeft(barEnd - lblExistingColumns->Width() / 2);
    if (lblExistingColumns->Left() + lblExistingColumns->Width() >= lblTotalColumns->Left())
        lblExistingColumns->setLeft(barEnd - 2 * lblExistingColumns->Width());

    lblTotalColumns->setCaption(QString::number(static_cast<qint64>(target) + before));

    shpAddedBar->setLeft(barEnd);
    shpAddedBar->setWidth(0);
    lblAddedColumns->setCaption(QStringLiteral("0"));
    lblAddedColumns->setLeft(barEnd - lblAddedColumns->Width() / 2);

    running_ = true;
    outcome_ = Outcome::Stopped;
    if (!app().synchronousColumnProgress)
        tmrAddColumns->start();
}

void frmColumnProgress::subSetLanguageCaptions()
{
    cmdStop->setCaption(res(11030));
    lblColumnCaption[0]->setCaption(res(26000));
    lblColumnCaption[1]->setCaption(res(26010));
    lblColumnCaption[2]->setCaption(res(26020));
}

void frmColumnProgress::tmrAddColumns_Timer()
{
    if (!running_)
        return;
    if (!run_) {
        cmdStop_Click();
        return;
    }
    const int32_t made = run_->columnsMade();
    const int32_t target = run_->columnsTarget();
    if (made >= target) {
        finish(Outcome::TargetReached);
        return;
    }
    // The bar and the count show the state before this tick's work.
    shpAddedBar->setLeft(shpExistingBar->Left() + shpExistingBar->Width());
    const double rest = shpBarTrack->Width() - shpExistingBar->Width();
    shpAddedBar->setWidth(vb::cLngOrClamp(rest / target * made));
    lblAddedColumns->setCaption(QString::number(made));
    lblAddedColumns->setLeft(shpAddedBar->Left() + shpAddedBar->Width() - lblAddedColumns->Width() / 2);

    if (run_->runFor(kTickBudget) == RunStatus::GaveUp)
        finish(Outcome::GaveUp);
}

void frmColumnProgress::cmdStop_Click()
{
    if (!running_)
        return;
    // The run keeps every complete column made so far.
    finish(Outcome::Stopped);
}

void frmColumnProgress::finish(Outcome outcome)
{
    running_ = false;
    outcome_ = outcome;
    tmrAddColumns->stop();
    tmrAddColumns->setInterval(0);
    if (DefaultInstance<frmColumnProgress>::existing() == this)
        DefaultInstance<frmColumnProgress>::unload();
    else
        hide();
}

void frmColumnProgress::reject() { cmdStop_Click(); }

void frmColumnProgress::closeEvent(QCloseEvent *event)
{
    cmdStop_Click();
    event->accept();
}

void frmColumnProgress::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    subDragWindow();
}

bool frmColumnProgress::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        subDragWindow();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmColumnProgress::subDragWindow()
{
    if (QWindow *window = windowHandle())
        window->startSystemMove();
}
