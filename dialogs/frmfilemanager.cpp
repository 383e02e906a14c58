#include "dialogs/frmfilemanager.h"

#include "analysis/lotteryopening.h"
#include "analysis/openlottery.h"
#include "analysis/ticketfile.h"
#include "dialogs/lotteryswitch.h"
#include "dialogs/helpandreport.h"
#include "platform/ui/textwindows.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "app/clsrecordfile.h"
#include "app/faulttext.h"
#include "app/filetitle.h"
#include "dialogs/programmessage.h"
#include "dialogs/iboard.h"
#include "dialogs/controlnames.h"
#include "dialogs/startwindow.h"
#include "platform/filewrite.h"
#include "platform/folders.h"
#include "platform/ui/forms.h"
#include "platform/ui/screen.h"
#include "platform/ui/msgbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStyle>
#include <algorithm>

namespace {

// Characters no file name may hold; a change that brings one in is rolled back.
const QString kForbiddenNameCharacters = QStringLiteral("\\/:*?\"<>|");

// A ticket that could not be saved, with the reason (string table).
constexpr int kTicketNotSaved = 49050;
// A ticket whose files were replaced, with the reason the disk did not confirm them.
constexpr int kTicketNotConfirmed = 49060;
// A ticket name too long for the names of its files.
constexpr int kTicketNameTooLong = 49560;
// A ticket name whose text file belongs to a ticket of another lottery.
constexpr int kTicketNameOfAnotherLottery = 49070;

// Whether another lottery has a saved ticket `name` whose text file is that of the tickets `name`
// of the lottery with the file suffix `suffix`: its suffix ends in the same three characters. Its
// record is matched as the list matches records, letter case included.
bool anotherLotteryHasTicket(const QString &folder, const QString &suffix, const QString &name)
{
    QDir dir(folder);
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    const QStringList files = folder.isEmpty() ? QStringList() : dir.entryList();
    return std::any_of(files.begin(), files.end(), [&](const QString &file) {
        const QString other = file.mid(name.size());
        return file.startsWith(name) && other.size() == suffix.size() && other != suffix && other.right(3) == suffix.right(3);
    });
}

}  // namespace

const QString frmFileManager::kAllowedNameCharacters = QStringLiteral(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+-_&%#!$()[]{}@'.,;~^");

frmFileManager::frmFileManager()
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFont(fncDialogFont());
    setClientSizeTwips(this, 6330, 7305);
    setFixedSize(size());

    fraNames = placeControl<VbFrame>(this, 120, 0, 3975, 7185);
    lblListCaption = placeControl<VbLabel>(fraNames, 120, 240, 3675, 255);
    lstNames = placeControl<VbList>(fraNames, 120, 480, 3735, 5715);
    lblSelectedCaption = placeControl<VbLabel>(fraNames, 120, 6435, 3705, 255);
    // No length limit of the box's own: a name picked from the list comes in whole, however long;
    // only typing stops at kMaxNameLength (txtName_KeyPress).
    txtName = placeControl<VbTextBox>(fraNames, 120, 6675, 3735, 375);

    fraButtons = placeControl<VbFrame>(this, 4200, -30, 2025, 7215);
    cmdHelp = placeControl<VbButton>(fraButtons, 120, 5745, 1755, 375);
    cmdCancel = placeControl<VbButton>(fraButtons, 120, 6225, 1755, 375);
    cmdLoad = placeControl<VbButton>(fraButtons, 120, 6705, 1755, 375);
    cmdSave = placeControl<VbButton>(fraButtons, 120, 6705, 1755, 375);
    cmdDelete = placeControl<VbButton>(fraButtons, 120, 6705, 1755, 375);

    nameControls({{fraNames, "fraNames"}, {lblListCaption, "lblListCaption"}, {lstNames, "lstNames"},
                  {lblSelectedCaption, "lblSelectedCaption"}, {txtName, "txtName"}, {fraButtons, "fraButtons"},
                  {cmdHelp, "cmdHelp"}, {cmdCancel, "cmdCancel"}, {cmdLoad, "cmdLoad"}, {cmdSave, "cmdSave"},
                  {cmdDelete, "cmdDelete"}});

    lstNames->onClick = [this] { lstNames_Click(); };
    // A click on the line already picked takes it again (the name may have been edited since).
    connect(lstNames, &QAbstractItemView::clicked, this, [this] { lstNames_Click(); });
    connect(lstNames, &QAbstractItemView::doubleClicked, this, [this] { lstNames_DblClick(); });
    txtName->onKeyPress = [this](int &keyAscii) { txtName_KeyPress(keyAscii); };
    txtName->onChange = [this] { txtName_Change(); };
    cmdLoad->onClick = [this] { cmdLoad_Click(); };
    cmdSave->onClick = [this] { cmdSave_Click(); };
    cmdDelete->onClick = [this] { cmdDelete_Click(); };
    cmdCancel->onClick = [this] { cmdCancel_Click(); };
    cmdHelp->onClick = [this] { cmdHelp_Click(); };

    Form_Load();
}

void frmFileManager::Form_Load()
{
    subApplyFormColours();
    subCentreOnScreen(this);
    setWindowIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    refreshFiles();
    subFillNameList();
    subSetLanguageCaptions();
}

void frmFileManager::subApplyFormColours()
{
    const auto back = static_cast<uint32_t>(app().glngBackColor);
    setWindowBackColor(this, back);
    fraNames->setBackColor(back);
    fraButtons->setBackColor(back);
    lblListCaption->setBackColor(back);
    lblSelectedCaption->setBackColor(back);
}

void frmFileManager::subSetLanguageCaptions()
{
    setWindowTitle(res(10150));
    cmdLoad->setCaption(res(11080));
    cmdSave->setCaption(res(11090));
    cmdDelete->setCaption(res(11100));
    cmdHelp->setCaption(res(11110));
    cmdCancel->setCaption(res(11180));
    titles_ = {res(45090), res(45100), res(45110)};
    messages_.clear();
    if (app().gblnTicketMode) {
        lblListCaption->setCaption(res(32010));
        lblSelectedCaption->setCaption(res(32020));
        for (int base = 40310; base <= 40420; base += 10)
            messages_ << res(base);
    } else {
        lblListCaption->setCaption(res(32110));
        lblSelectedCaption->setCaption(res(32120));
        for (int base = 45120; base <= 45150; base += 10)
            messages_ << res(base);
    }
    subSetHelpNames();
}

QString frmFileManager::message(int index) const { return messages_.value(index - 19); }

QString frmFileManager::title(int index) const { return titles_.value(index - 8); }

void frmFileManager::refreshFiles()
{
    QDir folder(app().gstrFileDialogFolder);
    folder.setFilter(QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    folder.setSorting(QDir::Name | QDir::IgnoreCase);
    folder.setNameFilters({QStringLiteral("*") + app().gstrFileDialogSuffix});
    filFiles_ = app().gstrFileDialogFolder.isEmpty() ? QStringList() : folder.entryList();
}

void frmFileManager::relistFiles()
{
    refreshFiles();
    subClearNameList();
    subFillNameList();
}

void frmFileManager::subFillNameList()
{
    if (filFiles_.isEmpty())
        return;
    QStringList names;
    names.reserve(filFiles_.size());
    for (const QString &file : filFiles_)
        names << fncFileTitle(file);
    lstNames->setLines(names);
}

void frmFileManager::subClearNameList() { lstNames->clear(); }

void frmFileManager::lstNames_Click()
{
    const int index = lstNames->listIndex();
    if (index < 0)
        return;
    txtName->setText(lstNames->list(index));
    lstNames->setToolTipText(txtName->text());
}

void frmFileManager::lstNames_DblClick()
{
    lstNames_Click();
    for (VbButton *action : {cmdLoad, cmdSave, cmdDelete}) {
        if (action->Visible()) {
            action->onClick();
            return;
        }
    }
}

void frmFileManager::txtName_KeyPress(int &keyAscii)
{
    subFilterDialogKey(kAllowedNameCharacters, keyAscii);
    // The 200th character is refused.
    if (keyAscii >= 32 && txtName->text().size() >= kMaxNameLength)
        keyAscii = 0;
}

void frmFileManager::txtName_Change()
{
    const QString text = txtName->text();
    const QString trimmed = text.trimmed();
    for (QChar c : kForbiddenNameCharacters) {
        if (trimmed.contains(c)) {
            // The rollback is a change of its own, which this rule accepts.
            txtName->setText(lastAcceptedName_);
            return;
        }
    }
    lastAcceptedName_ = text;
    txtName->setToolTipText(text);
}

bool frmFileManager::nameExists(const QString &name) const
{
    // The lookup is exact, letter case included.
    return QFileInfo(app().gstrFileDialogFolder + name + app().gstrFileDialogSuffix).isFile();
}

void frmFileManager::cmdLoad_Click()
{
    const QString name = txtName->text();
    if (name.isEmpty()) {
        vbMsgBox(this, message(19), msgbox::kInformation, title(8));
        return;
    }
    if (!nameExists(name)) {
        vbMsgBox(this, message(20) + name + message(22), msgbox::kInformation, title(8));
        return;
    }
    if (vbMsgBox(this, message(20) + name + message(21), msgbox::kYesNoQuestion, title(8)) != msgbox::kYes)
        return;
    if (!app().gblnTicketLoad) {
        app().gstrLotteryDbFile = name + app().gstrFileDialogSuffix;
        // Opening the lottery unloads this dialog (it stays open when the lottery cannot open).
        subOpenSelectedLottery();
        return;
    }
    loadTicket(name);
}

void frmFileManager::loadTicket(const QString &name)
{
    IBoard *open = currentBoard();
    if (!open)
        return;
    // The lottery comes back on a new board, with the ticket's settings.
    std::shared_ptr<OpenLottery> lottery = open->openLottery();
    app().gstrTicketName = name;
    applyConfiguredGame(*lottery);
    // The ticket's columns are worked out while the board is unloaded and made anew.
    TicketReadAhead ticketAhead = TicketReadAhead::start(
        fncTicketTextFilePath(app().gstrSavedTicketsFolder, lottery->gstrFileSuffix, name), TicketShape::of(lottery->gLayout));

    open->unloadBoard();
    app().gfrmCurrentBoard = nullptr;
    doEvents();
    showStartWindow();
    doEvents();

    if (!subSetGameCodeAndBoard(std::move(lottery))) {
        DefaultInstance<frmFileManager>::unload(this);
        fncProgramMessage(windowInFront(), res(46050).arg(fncFileTitle(app().gstrLotteryDbFile)), msgbox::kOkOnly);
        showStartWindowInFront();
        return;
    }
    IBoard *board = currentBoard();
    DefaultInstance<frmFileManager>::unload(this);
    // The board's load restores the ticket's settings and reads its text file.
    board->takeTicketReadAhead(std::move(ticketAhead));
    board->showBoard();
    if (currentBoard() != board)
        return;
    board->subLoadTicketTextFile();
    if (const QString problem = board->ticketReadProblem(); !problem.isEmpty())
        vbMsgBox(board->window(), problem, msgbox::kInformation, title(8));
}

void frmFileManager::cmdSave_Click()
{
    const QString name = txtName->text();
    if (name.isEmpty()) {
        vbMsgBox(this, message(23), msgbox::kInformation, title(9));
        return;
    }
    if (nameTooLong(name)) {
        vbMsgBox(this, res(kTicketNameTooLong), msgbox::kInformation, title(9));
        return;
    }
    // A text file standing without this lottery's record, beside another lottery's record of the
    // name, is that lottery's ticket: it is not saved over.
    const QString folder = app().gstrFileDialogFolder, suffix = app().gstrFileDialogSuffix;
    if (!nameExists(name) && QFileInfo(fncTicketTextFilePath(folder, suffix, name)).isFile() &&
        anotherLotteryHasTicket(folder, suffix, name)) {
        vbMsgBox(this, res(kTicketNameOfAnotherLottery).arg(name), msgbox::kInformation, title(9));
        return;
    }
    const int answer = nameExists(name)
                           ? vbMsgBox(this, message(24) + name + message(25), msgbox::kYesNoQuestionDefaultNo, title(9))
                           : vbMsgBox(this, message(26) + name, msgbox::kYesNoQuestion, title(9));
    if (answer != msgbox::kYes)
        return;
    if (subWriteTicketFile())
        DefaultInstance<frmFileManager>::unload(this);
}

bool frmFileManager::nameTooLong(const QString &name) const
{
    // The ticket's record and text file, and every name their save makes beside them, must stay
    // within the longest name the folder's file system takes.
    const QString folder = app().gstrFileDialogFolder;
    const QString files[] = {name + app().gstrFileDialogSuffix,
                             QFileInfo(fncTicketTextFilePath(folder, app().gstrFileDialogSuffix, name)).fileName()};
    const qsizetype longest = folders::longestFileName(folder);
    return std::any_of(std::begin(files), std::end(files),
                       [longest](const QString &file) { return filewrite::longestNameWritten(file) > longest; });
}

bool frmFileManager::subWriteTicketFile()
{
    const QString name = txtName->text();
    const QString previousName = app().gstrTicketName;
    IBoard *board = currentBoard();
    auto fail = [&](const QString &reason, int message = kTicketNotSaved) {
        app().gstrTicketName = previousName;
        vbMsgBox(this, res(message).arg(name, reason), msgbox::kInformation, title(9));
        return false;
    };
    if (!board || !app().gobjRecordFile)
        return fail(fncWriteFaultText(filewrite::Fault::Other));

    app().gstrTicketName = name;
    app().gobjRecordFile->subSelectRecordFile(QStringLiteral("forTICKETfile"), board->lottery());
    const QString recordPath = app().gstrRecordFilePath;
    const QString textPath = fncTicketTextFilePath(app().gstrFileDialogFolder, board->lottery().gstrFileSuffix, name);
    const auto record = app().gobjRecordFile->fncBoardSettingsBytes(board->lottery(), fncBoardControls(*board));
    if (!record)
        return fail(fncWriteFailureText(filewrite::Fault::Other, app().gobjRecordFile->lastError()));
    // The record and the text are one ticket: both are replaced, or neither.
    filewrite::Error error;
    if (!filewrite::writePair(recordPath, *record, textPath, fncTicketFileBytes(board->ticketLines()), &error)) {
        if (!error.replaced)
            return fail(fncWriteFailureText(error.fault, error.detail));
        // The files hold the new ticket, which the list shows; the disk did not confirm them.
        relistFiles();
        return fail(fncWriteFailureText(error.fault, error.detail), kTicketNotConfirmed);
    }

    relistFiles();
    return true;
}

void frmFileManager::cmdDelete_Click()
{
    const QString name = txtName->text();
    if (name.isEmpty()) {
        vbMsgBox(this, message(27), msgbox::kInformation, title(10));
        return;
    }
    if (!nameExists(name)) {
        vbMsgBox(this, message(20) + name + message(30), msgbox::kInformation, title(10));
        txtName->setText(QString());
        lstNames->setToolTipText(QString());
        refreshFiles();
        return;
    }
    if (vbMsgBox(this, message(28) + name + message(29), msgbox::kYesNoQuestion, title(10)) != msgbox::kYes)
        return;
    const bool deleted = deleteTicketFiles(name);
    if (!deleted) {
        vbMsgBox(this, res(48010).arg(name, QDir::toNativeSeparators(app().gstrFileDialogFolder)), msgbox::kInformation,
                 title(10));
    } else {
        txtName->setText(QString());
        lstNames->setToolTipText(QString());
    }
    relistFiles();
}

bool frmFileManager::deleteTicketFiles(const QString &name)
{
    const QString recordPath = app().gstrFileDialogFolder + name + app().gstrFileDialogSuffix;
    // A ticket's files carry the lottery's file suffix, which the dialog lists its records by.
    const QString textPath = fncTicketTextFilePath(app().gstrFileDialogFolder, app().gstrFileDialogSuffix, name);
    // The text file stays while a ticket of another lottery holds it too.
    if (anotherLotteryHasTicket(app().gstrFileDialogFolder, app().gstrFileDialogSuffix, name))
        return filewrite::removeFirstOfPair(recordPath, textPath);
    return filewrite::removePair(recordPath, textPath);
}

void frmFileManager::cmdCancel_Click() { DefaultInstance<frmFileManager>::unload(this); }

void frmFileManager::cmdHelp_Click()
{
    subHelpContents(this);
}

void frmFileManager::reject() { cmdCancel_Click(); }

void showFileManager(FileDialogAction action)
{
    frmFileManager *dialog = DefaultInstance<frmFileManager>::get();
    dialog->cmdLoad->setVisible(action == FileDialogAction::Load);
    dialog->cmdSave->setVisible(action == FileDialogAction::Save);
    dialog->cmdDelete->setVisible(action == FileDialogAction::Delete);
    dialog->exec();
}

void showFileManagerForLotteries()
{
    app().gblnTicketLoad = false;
    app().gblnTicketMode = false;
    app().gstrFileDialogFolder = app().gstrLotteryDbsFolder;
    app().gstrFileDialogSuffix = QStringLiteral(".mdb");
    showFileManager(FileDialogAction::Load);
}

void showFileManagerForTickets(FileDialogAction action, const OpenLottery &lottery)
{
    if (action == FileDialogAction::Load)
        app().gblnTicketLoad = true;
    app().gblnTicketMode = true;
    app().gstrFileDialogFolder = app().gstrSavedTicketsFolder;
    app().gstrFileDialogSuffix = lottery.gstrFileSuffix;
    showFileManager(action);
}
