#pragma once
// The file dialog: the one modal dialog through which the user opens a lottery database and
// loads, saves and deletes the saved tickets of the open lottery. It lists the files of one folder
// that carry one suffix, shows their names without the suffix, takes a picked or typed name and
// offers one action (LOAD, SAVE or DELETE) beside CLOSE and HELP.
//
// The caller sets the request first: gblnTicketLoad, gblnTicketMode, gstrFileDialogFolder and
// gstrFileDialogSuffix; then showFileManager() loads the dialog (which lists the folder), makes
// the one action button visible and shows the dialog modally until it has been unloaded. Results:
// gstrLotteryDbFile (lottery LOAD), gstrTicketName (ticket LOAD and SAVE), and the actions
// themselves.
//
// A saved ticket is two files in "SavedTickets": its board settings record (ticket name followed
// by the lottery's file suffix), which the dialog lists, and its text file (see ticketfile.h).

#include "analysis/openlottery.h"
#include "platform/ui/controls.h"

#include <QDialog>
#include <QStringList>

class frmFileManager : public QDialog {
public:
    frmFileManager();

    VbFrame *fraNames = nullptr;
    VbLabel *lblListCaption = nullptr;
    VbList *lstNames = nullptr;
    VbLabel *lblSelectedCaption = nullptr;
    VbTextBox *txtName = nullptr;
    VbFrame *fraButtons = nullptr;
    VbButton *cmdHelp = nullptr;
    VbButton *cmdCancel = nullptr;
    VbButton *cmdLoad = nullptr;
    VbButton *cmdSave = nullptr;
    VbButton *cmdDelete = nullptr;

    void subApplyFormColours();
    void subSetLanguageCaptions();
    void subFillNameList();
    void subClearNameList();

    void lstNames_Click();
    void lstNames_DblClick();
    void txtName_KeyPress(int &keyAscii);
    void txtName_Change();
    void cmdLoad_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    // Writes both files of the ticket named in txtName; false (with both files as they were and a
    // message shown) when either cannot be written.
    bool subWriteTicketFile();

    // The characters a name may be typed with; at most this many characters.
    static const QString kAllowedNameCharacters;
    static constexpr int kMaxNameLength = 199;

protected:
    void reject() override;

private:
    void Form_Load();
    void refreshFiles();
    // The folder read again and the list filled afresh.
    void relistFiles();
    bool nameExists(const QString &name) const;
    // True when a file of the ticket `name` (or one its save makes beside them) would have a name
    // longer than the folder's file system takes.
    bool nameTooLong(const QString &name) const;
    QString message(int index) const;
    QString title(int index) const;
    void loadTicket(const QString &name);
    bool deleteTicketFiles(const QString &name);

    // The files behind the list, in the order of the folder listing (names with their suffix).
    QStringList filFiles_;
    // The last text of txtName that held no forbidden character.
    QString lastAcceptedName_;
    QStringList messages_;  // message parts 19 to 30, at index - 19
    QStringList titles_;    // box titles 8 to 10, at index - 8
};

// The one action button the caller makes visible.
enum class FileDialogAction { Load, Save, Delete };

// Loads the file dialog for the request in place, shows only the button of `action` and shows the
// dialog modally; returns once it has been unloaded.
void showFileManager(FileDialogAction action);

// The requests of the menus, each shown with its one action. Lottery > Load (start window and
// boards): the lottery databases, for LOAD; neither a ticket load nor ticket mode, so that the
// dialog captions and words itself for lotteries whatever was asked of it before.
void showFileManagerForLotteries();
// The Ticket menus of the boards: the saved tickets of the board's lottery; LOAD also marks a
// ticket load.
void showFileManagerForTickets(FileDialogAction action, const OpenLottery &lottery);
