#include "dialogs/frmstart.h"

#include "dialogs/helpandreport.h"
#include "platform/ui/textwindows.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "app/uilanguage.h"
#include "app/filetitle.h"
#include "dialogs/programend.h"
#include "dialogs/controlnames.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmfilemanager.h"
#include "platform/linebreaks.h"
#include "platform/twips.h"
#include "platform/ui/forms.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

void frmStart::setScreenMetricsOverride(std::optional<ScreenMetrics> metrics)
{
    ::setScreenMetricsOverride(std::move(metrics));
}

frmStart::frmStart()
{
    buildMenus();

    client_ = new QWidget(this);
    setCentralWidget(client_);
    shpPowerPanel = new VbShape(client_);
    shpPowerPanel->setKind(VbShape::Rectangle);
    shpPowerPanel->setBorder(true, 0x808080, 1);
    Line4 = new VbLine(client_);
    Line4->setLineColor(0x808080, 1);
    lblStatus = new VbLabel(client_);
    lblStatus->setFontSize(12);
    lblStatus->setWordWrap(true);
    lblStatus->setAlignment(2);
    lblStatus->setOpaque(false);
    lblStatus->setCaption(QStringLiteral("Please wait."));
    client_->installEventFilter(this);

    staMain = statusBar();
    nameControls({{lblStatus, "lblStatus"}, {staMain, "staMain"}, {shpPowerPanel, "shpPowerPanel"}, {Line4, "Line4"}});
    staMain->setSizeGripEnabled(true);

    Form_Load();
}

void frmStart::buildMenus()
{
    createMenus(menuBar());
    // Only the commands that need no board are available here.
    for (QAction *item : {mnuFilePrintTicket, mnuTicketLoad, mnuTicketSave, mnuTicketDelete, mnuLotteryManage})
        item->setEnabled(false);

    connect(mnuLanguageEnglish, &QAction::triggered, this, [this] { mnuLanguageEnglish_Click(); });
    connect(mnuLanguageFrench, &QAction::triggered, this, [this] { mnuLanguageFrench_Click(); });
    connect(mnuLanguageTurkish, &QAction::triggered, this, [this] { mnuLanguageTurkish_Click(); });
    connect(mnuFileExit, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
    connect(mnuLotteryLoad, &QAction::triggered, this, [this] { mnuLotteryLoad_Click(); });
    connect(mnuHelpContents, &QAction::triggered, this, [this] { mnuHelpContents_Click(); });
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
}

void frmStart::Form_Load()
{
    app().gvarExcludedBackColor = 0x707070;
    chooseStoredLanguage(app().glngLanguage);  // German keeps the design ticks (English)
    subSetLanguageCaptions();
    subApplyFormColours();

    subPlaceMainWindow(this, fncMainWindowPlacement(fncScreenMetrics(this)));
}

void frmStart::subApplyFormColours()
{
    app().gvarExcludedBackColor = 0x707070;
    setWindowBackColor(this, static_cast<uint32_t>(app().glngBackColor));
}

void frmStart::subSetLanguageCaptions()
{
    setWindowTitle(res(10100));
    statusName_.clear();
    if (app().gblnLotteryManagerOpen) {
        statusText_.clear();
    } else if (!app().gstrLastLotteryDbFile.isEmpty()) {
        statusName_ = fncFileTitle(app().gstrLastLotteryDbFile);
        statusText_ = res(30140);
    } else {
        statusText_ = res(30130);
    }

    placeStatusLine();
    captionMenus(res);
    // The help window is found by its title in the language chosen here.
    subSetHelpNames();
}

void frmStart::mnuLanguageEnglish_Click() { applyLanguage(2); }

void frmStart::mnuLanguageFrench_Click() { applyLanguage(3); }

void frmStart::mnuLanguageTurkish_Click() { applyLanguage(1); }

void frmStart::applyLanguage(int32_t digit)
{
    app().glngLanguage = digit;
    tickLanguageItem(digit);
    subApplyQtTranslations();
    subSetLanguageCaptions();
}

void frmStart::mnuHelpAbout_Click()
{
    DefaultInstance<frmAbout>::get()->exec();
}

void frmStart::mnuFileExit_Click() { subEndProgram(); }

void frmStart::mnuLotteryLoad_Click() { showFileManagerForLotteries(); }

void frmStart::mnuHelpContents_Click()
{
    subHelpContents(this);
}

void frmStart::closeEvent(QCloseEvent *event)
{
    // The title-bar close ends the program as File > Exit does.
    event->ignore();
    mnuFileExit_Click();
}

bool frmStart::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == client_ && event->type() == QEvent::Resize)
        layoutClientArea();
    return QMainWindow::eventFilter(watched, event);
}

void frmStart::layoutClientArea()
{
    const int width = twips::fromPixels(client_->width());
    const int height = twips::fromPixels(client_->height());
    Line4->setPoints(0, 0, width, 0);
    shpPowerPanel->Move(120, 120, std::max(0, width - 240), std::max(0, height - 240));
    placeStatusLine();
}

void frmStart::placeStatusLine()
{
    // The status line is at least 1800 twips high and grows with its wrapped text; it stays
    // within the panel, rising from a third of the height when the text needs the room.
    const int width = twips::fromPixels(client_->width());
    const int height = twips::fromPixels(client_->height());
    const int lineWidth = std::max(0, width - 1200);
    lblStatus->setCaption(statusName_ + statusText_);
    // A lottery name wider than the line is shown breakable anywhere rather than standing out of
    // the line at both ends.
    if (QFontMetrics(lblStatus->font()).horizontalAdvance(statusName_) > twips::toPixels(lineWidth))
        static_cast<QLabel *>(lblStatus)->setText(fncBreakableAnywhere(statusName_) + statusText_);
    const int textHeight = twips::fromPixels(lblStatus->heightForWidth(twips::toPixels(lineWidth)));
    const int lineHeight = std::max(1800, textHeight);
    const int top = std::max(240, std::min(height / 3, height - 240 - lineHeight));
    lblStatus->Move(600, top, lineWidth, lineHeight);
}
