// The boards' menus (File, Ticket, Lottery, Help; the Language items are wired with the window)
// and the reading of a saved ticket's text file.

#include "boards/common/boardbase.h"
#include "dialogs/helpandreport.h"
#include "dialogs/programmessage.h"

#include "analysis/boardreport.h"
#include "analysis/openlottery.h"
#include "analysis/ticketfile.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "app/clsrecordfile.h"
#include "app/filetitle.h"
#include "dialogs/programend.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmfilemanager.h"
#include "dialogs/frmlotterymanager.h"
#include "dialogs/startwindow.h"
#include "platform/ui/forms.h"

#include <QAction>
#include <QFileInfo>
#include <utility>

void BoardBase::wireMenuHandlers()
{
    const std::pair<QAction *, void (BoardBase::*)()> handlers[] = {
        {mnuFilePrintTicket, &BoardBase::mnuFilePrintTicket_Click},
        {mnuFileExit, &BoardBase::mnuFileExit_Click},
        {mnuTicketLoad, &BoardBase::mnuTicketLoad_Click},
        {mnuTicketSave, &BoardBase::mnuTicketSave_Click},
        {mnuTicketDelete, &BoardBase::mnuTicketDelete_Click},
        {mnuLotteryLoad, &BoardBase::mnuLotteryLoad_Click},
        {mnuLotteryManage, &BoardBase::mnuLotteryManage_Click},
        {mnuHelpContents, &BoardBase::mnuHelpContents_Click},
        {mnuHelpAbout, &BoardBase::mnuHelpAbout_Click},
    };
    for (const auto &[action, handler] : handlers)
        QObject::connect(action, &QAction::triggered, this, [this, handler = handler] { (this->*handler)(); });
}

void BoardBase::subParkFocus()
{
    if (cmdHiddenFocus)
        cmdHiddenFocus->setFocus(Qt::OtherFocusReason);
}

void BoardBase::mnuFilePrintTicket_Click()
{
    subParkFocus();
    if (lstTicket->listCount() != 0)
        subExportReportToNotepad();
}

void BoardBase::mnuFileExit_Click()
{
    subParkFocus();
    fncSaveLotterySettings(this);
    unloadBoard();
    subEndProgram();
}

void BoardBase::mnuTicketLoad_Click()
{
    subParkFocus();
    showFileManagerForTickets(FileDialogAction::Load, lottery());
}

void BoardBase::mnuTicketSave_Click()
{
    subParkFocus();
    showFileManagerForTickets(FileDialogAction::Save, lottery());
}

void BoardBase::mnuTicketDelete_Click()
{
    subParkFocus();
    showFileManagerForTickets(FileDialogAction::Delete, lottery());
}

void BoardBase::mnuLotteryLoad_Click()
{
    subParkFocus();
    showFileManagerForLotteries();
}

void BoardBase::mnuLotteryManage_Click()
{
    subParkFocus();
    // The board's settings are kept: the lottery reopens from them when the manager closes.
    fncSaveLotterySettings(this);
    app().gblnTicketLoad = false;
    app().gblnLotteryManagerOpen = true;
    // This board is gone once the manager runs; nothing of it is used after unloadBoard but its
    // lottery, which the manager keeps.
    std::shared_ptr<OpenLottery> lottery = lottery_;
    unloadBoard();
    app().gfrmCurrentBoard = nullptr;
    doEvents();
    showStartWindowInFront();
    doEvents();
    DefaultInstance<frmLotteryManager>::get()->Display(std::move(lottery));
}

void BoardBase::mnuHelpContents_Click()
{
    subParkFocus();
    subHelpContents(this);
}

void BoardBase::mnuHelpAbout_Click()
{
    subParkFocus();
    DefaultInstance<frmAbout>::get()->exec();
}

bool BoardBase::showsTicketRead(const QString &path, const TicketShape &shape, const QByteArray &bytes) const
{
    const TicketFileRead *last = lastTicketRead_ ? &*lastTicketRead_ : nullptr;
    return last && last->ticketRevision == ticket_.ticketRevision() && last->path == path && last->shape == shape &&
           last->bytes == bytes;
}

void BoardBase::subLoadTicketTextFile()
{
    // A read ahead serves this reading or none.
    TicketReadAhead ticketAhead = std::exchange(ticketAhead_, {});
    ticketReadProblem_.clear();
    const QString path = fncTicketTextFilePath(app().gstrSavedTicketsFolder, lottery().gstrFileSuffix, app().gstrTicketName);
    // The text file is this lottery's ticket only beside this lottery's record of it: another
    // lottery whose file suffix ends alike names its tickets' text files the same way.
    const QString record = app().gstrSavedTicketsFolder + app().gstrTicketName + lottery().gstrFileSuffix;
    if (!app().gstrTicketName.isEmpty() && QFileInfo(path).isFile() && QFileInfo(record).isFile()) {
        const TicketShape shape = TicketShape::of(lottery().gLayout);
        const std::optional<QByteArray> bytes = fncReadTicketFileBytes(path);
        // The ticket the board read from these very bytes stays, its list as the user sees it.
        if (!bytes || !showsTicketRead(path, shape, *bytes)) {
            // What was read is the ticket, however far the file could be read.
            std::optional<TicketRead> ahead = bytes ? ticketAhead.take(path, shape, *bytes) : std::nullopt;
            TicketRead ticket = ahead ? std::move(*ahead) : bytes ? fncReadTicketText(*bytes, shape) : TicketRead{};
            if (!bytes)
                ticket.grid.reshape(shape.firstPosition, shape.lastPosition);
            const std::optional<int32_t> announced = ticket.announced;
            ticket_.setTicket(std::move(ticket.grid), std::move(ticket.lines));
            lastTicketRead_.reset();
            if (bytes)
                lastTicketRead_ = TicketFileRead{path, shape, *bytes, announced, ticket_.ticketRevision()};
        }
        const qsizetype lines = lottery().garrTicketLines.size();
        lottery().glngGridSize = static_cast<int32_t>(lines);
        const std::optional<int32_t> announced = bytes ? lastTicketRead_->announced : std::nullopt;
        if (!announced)
            ticketReadProblem_ = res(48030).arg(app().gstrTicketName);
        else if (lines != *announced)
            ticketReadProblem_ = resCount(49550, 48020, lines).arg(lines).arg(*announced).arg(app().gstrTicketName);
    }
    if (app().gblnTicketLoad) {
        const QString ticket = fncFileTitle(app().gstrRecordFileName);
        setWindowTitle(app().gstrWindowCaption + QStringLiteral(" (") + ticket + QStringLiteral(" - ") + app().gstrLoadedTicketText);
    }
}

// ---- The board as a report and its ticket lines ---------------------------------------------------

QStringList BoardBase::ticketLines() const { return lottery().garrTicketLines; }

std::optional<BoardReport> BoardBase::report() const
{
    const GameLayout &game = lottery().gLayout;
    BoardReport r;
    r.lottery = staMain->panelText(3);
    r.compareWithGuess = lottery().gblnCompareWithGuess;
    r.guessSource = txtGuessSource->text();
    r.drawingDate = cboDrawingDate->text();
    r.endDrawing = cboEndDrawing->text();
    for (int p = game.firstPosition; p <= game.lastPosition; ++p) {
        if (lottery().gblnCompareWithGuess) {
            const VbTextBox *box = txtGuess.at(p);
            r.numbers << (box ? box->text() : QString());
        } else {
            const VbLabel *label = lblDrawingNumber.at(p);
            r.numbers << (label ? label->caption() : QString());
        }
    }
    for (int i = 0; i < design().summaryBoxes; ++i)
        r.results << txtResults[i]->text();
    r.ticketLines = lottery().garrTicketLines;
    return r;
}
