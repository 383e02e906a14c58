#pragma once
// The application object: the program-wide settings, the service objects and what the program
// keeps for the whole run, made once at start-up (app()). Tests make a fresh one for each test
// (makeApplication()). Folder paths end with "/".
//
// What belongs to the open lottery is not here: the board of the lottery holds it (OpenLottery).

#include "analysis/catalogue.h"
#include "analysis/gamelayout.h"
#include "analysis/openlottery.h"
#include "app/clsfilesystem.h"
#include "app/clsrecordfile.h"
#include "app/clsregistry.h"
#include "app/clssysteminfo.h"
#include "analysis/clslotterydb.h"
#include "platform/filewrite.h"

#include <QHash>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

// Tooltips and lottery-management messages of the current language, entries 0..30.
inline constexpr int kMessageCount = 31;

struct Application {
    // ---- Folders and outside programs, set once by start-up ------------------------------------
    QString gstrAppFolder;
    QString gstrWindowsFolder;
    QString gstrSystemFolder;
    QString gstrLotteryDbsFolder;
    QString gstrSavedTicketsFolder;
    QString gstrLogFolder;
    QString gstrLogFilePath;
    QString gstrNotepadPath;
    QString gstrHelpViewerPath;
    // The folder texts of the system information's last calls, without a trailing "/".
    QString gstrWinDirBuffer;
    QString gstrSysDirBuffer;

    QString gstrAppTitle;
    int16_t gblnAlreadyRunning = 0;  // -1 = True
    int32_t glngTitleWindowCount = 0;
    QString gstrOsName;
    int32_t glngBackColor = 0xDFDFDF;
    int32_t gvarExcludedBackColor = 0x707070;
    // The per-user lock that keeps a second copy from running, held for the whole run.
    std::unique_ptr<QLockFile> instanceLock;

    // ---- Language ----------------------------------------------------------------------------
    // 1 Turkish, 2 English, 3 French, 4 German.
    int32_t glngLanguage = 2;
    // Tooltips and lottery-management messages of the current language: empty texts until a board
    // applies a language.
    QStringList garrMessages = QStringList(kMessageCount);
    // Qt's own translations installed for the interface language (none for English).
    std::unique_ptr<QTranslator> qtTranslator;
    int qtTranslatorLanguage = 2;
    bool qtTranslatorLoaded = true;
    // The texts of the language routine shared by the windows.
    QString gstrWindowCaption;
    QString gstrLoadedTicketText;

    // ---- The lottery chosen, the one open last ------------------------------------------------
    QString gstrLotteryDbFile;
    QString gstrLastLotteryDbFile;
    // The catalogues as the last opening read them.
    CatalogueTable garrLotteryCatalogue;
    CatalogueTable garrGameConfigCatalogue;
    CatalogueTable garrCountryCatalogue;
    // The file suffix of the lottery opened last: the previous file suffix of the next opening.
    QString gstrLastFileSuffix;
    // The lottery whose left-out results POWER reported last: the report comes once per lottery.
    QString gstrWarnedLottery;

    // ---- The request and results of the file dialog ---------------------------------------------
    QString gstrFileDialogFolder;
    QString gstrFileDialogSuffix;
    bool gblnTicketLoad = false;
    bool gblnTicketMode = false;
    QString gstrTicketName;

    bool gblnLotteryManagerOpen = false;

    // The board settings record file chosen last (its name, and its folder followed by the name).
    QString gstrRecordFileName;
    QString gstrRecordFilePath;

    // ---- Help and text export ------------------------------------------------------------------
    qint64 glngHelpHwnd = 0;
    QString gstrHelpTitle;
    QString gstrHelpFile;
    // The report files written for the editor, each with the digest of what was written into it:
    // removed when the program ends while they still hold it.
    QHash<QString, QByteArray> reportFiles;
    // How a report file is handed to the editor: (editor, file) -> started; empty for the
    // desktop's own way. Tests put their own in place.
    std::function<bool(const QString &editor, const QString &file)> reportOpener;

    // ---- The window in front and the boards ------------------------------------------------------
    // The window in front: the open board, or the start window when no board is open, or nothing
    // while a lottery is being opened (see currentBoard() in dialogs/iboard.h).
    QPointer<QObject> gfrmCurrentBoard;

    // ---- The program's end -------------------------------------------------------------------
    // True while start-up opens the start window or the last lottery: no event loop runs yet that
    // an Exit could end, and start-up goes on with the services.
    bool gblnStartingUp = false;
    // An Exit asked for during start-up, carried out once start-up is over.
    bool gblnEndAfterStartUp = false;
    // Makes the board window of a family (nullptr when the program has none for it): the
    // program's boards, or boards of a test.
    std::function<QObject *(GameLayout::Family, std::shared_ptr<OpenLottery>)> boardFactory;

    // ---- DRAW ----------------------------------------------------------------------------------
    // The random engine's seed of every DRAW (tests, for the same columns on every run); none:
    // from the system's entropy and the clock, once per run.
    std::optional<uint64_t> generatorSeed;
    // The column-progress dialog runs the whole generation at once without showing itself (tests).
    bool synchronousColumnProgress = false;

    // ---- The service objects, created by start-up and released by the Exit handlers --------------
    std::unique_ptr<clsRecordFile> gobjRecordFile;
    std::unique_ptr<clsRegistry> gobjRegistry;
    std::unique_ptr<clsSystemInfo> gobjSystemInfo;
    std::unique_ptr<clsFileSystem> gobjFileSystem;
    std::unique_ptr<clsLotteryDb> gobjLotteryDb;
    // The settings store's last failed write.
    filewrite::Error registryWriteError;

    // Creates the service objects (those not yet created) in their order.
    void createServiceObjects();
    // Releases them in the same order.
    void releaseServiceObjects();
};

// The application object of the run.
Application &app();
// Replaces the application object with a new one (start-up; tests, before each test).
Application &makeApplication();
