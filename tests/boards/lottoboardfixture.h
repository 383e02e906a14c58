#pragma once
// The real lotto board on a configured game, with its drawings listed by the test: a sandboxed
// program folder, the record file, file system and language services, and every message answered.

#include "analysis/catalogue.h"
#include "analysis/lotteryopening.h"
#include "analysis/state.h"
#include "app/clsfilesystem.h"
#include "app/globals.h"
#include "app/services.h"
#include "app/ui/clsrecordfile.h"
#include "boards/language/clslanguage.h"
#include "boards/lotto/frmlottoboard.h"
#include "platform/dates.h"
#include "platform/ui/screen.h"
#include "support/sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>
#include <functional>
#include <vector>

// The lotto board with the drawing lists of the test in place of the analysis service's.
class ListedLottoBoard : public frmLottoBoard {
public:
    // Drawing dates newest first; drawing n is the (count + 1 - n)-th.
    static inline std::vector<QDate> dates;
    // Whether the listing also creates the exclusion boxes of the pool grid, as the analysis
    // does when it first fills the grid.
    static inline bool withExclusionBoxes = false;
    // Runs where the ticket's text file would be read (a ticket being opened).
    static inline std::function<void(ListedLottoBoard &)> onTicketText;
    static inline int ticketReads = 0;

    void subLoadTicketTextFile() override
    {
        ++ticketReads;
        if (onTicketText)
            onTicketText(*this);
    }

protected:
    bool subListDrawings() override
    {
        if (withExclusionBoxes)
            for (int b = 1; b <= glngMaxBall; ++b)
                main.chkExcludeBall.load(b, b < 29 ? 0 : 29);
        const int count = static_cast<int>(dates.size());
        garrGameDates.assign(1, QDate());
        garrGameDates.insert(garrGameDates.end(), dates.begin(), dates.end());
        glngTotalWeeks = count;
        for (int k = 0; k < count; ++k) {
            cboEndDrawing->addItem(QString::number(count - k));
            cboStartDrawing->addItem(QString::number(count - k));
            cboDrawingDate->addItem(dates::toShortText(dates[static_cast<size_t>(k)]), dates[static_cast<size_t>(k)]);
        }
        return true;
    }
};

class LottoBoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString folder = sandbox.programFolder() + u'/';
        gstrAppFolder = folder;
        gstrLotteryDbsFolder = folder + QStringLiteral("LotteryDBs/");
        gstrSavedTicketsFolder = folder + QStringLiteral("SavedTickets/");
        gstrLogFolder = folder + QStringLiteral("LogFiles/");
        gstrLogFilePath = gstrLogFolder + QStringLiteral("TALVINOR.log");
        for (const QString &f : {gstrSavedTicketsFolder, gstrLogFolder})
            QDir().mkpath(f);
        gobjRecordFile = &recordFile;
        gobjFileSystem = &fileSystem;
        gobjLanguage = &language;
        glngLanguage = 2;
        glngBackColor = 0xDFDFDF;
        gblnTicketLoad = false;
        gstrTicketName.clear();
        garrMessages = QStringList(kMessageCount);
        gstrWindowCaption.clear();
        setScreenMetricsOverride(ScreenMetrics{1920, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)});
        setDrawings(20);
        ListedLottoBoard::withExclusionBoxes = false;
        ListedLottoBoard::onTicketText = nullptr;
        ListedLottoBoard::ticketReads = 0;
        configure("610");
        gDrum.gblnPoolCountView = false;
        gDrum.glngPoolTotal = 0;
        gblnMainPoolView = true;
    }

    void TearDown() override
    {
        if (board)
            board->unloadBoard();
        board = nullptr;
        gfrmCurrentBoard = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setScreenMetricsOverride(std::nullopt);
        gobjRecordFile = nullptr;
        gobjFileSystem = nullptr;
        gobjLanguage = nullptr;
        glngLanguage = 2;
    }

    // `count` drawings, twice a week, the newest on 2024-06-29.
    static void setDrawings(int count)
    {
        ListedLottoBoard::dates.clear();
        QDate date(2024, 6, 29);
        for (int i = 0; i < count; ++i) {
            ListedLottoBoard::dates.push_back(date);
            date = date.addDays(i % 2 == 0 ? -3 : -4);
        }
    }

    // The open lottery: a game of `code`, from the sample country, with its tables sized.
    void configure(const QString &code, const QString &title = QStringLiteral("Lotto 6/49 (Saturday)"))
    {
        const int picks = code.left(1).toInt();
        const int bonus = code.mid(1, 1).toInt();
        LotteryOpening o;
        o.lottery = {1, QStringLiteral("Sample Lotto"), QStringLiteral("Sample Lotto.mdb"), QStringLiteral("SM01"), 1};
        o.config = {1, title, picks == 7 ? 35 : 49, 0, 0, picks, bonus, 0};
        o.country = {1, QStringLiteral("Samplia")};
        commitLotteryOpening(o);
        gstrLotteryDbFile = o.lottery.databaseFile;
        gstrGameCode = code;
        ASSERT_EQ(gameCodeFor(o.config)->code, code);
    }

    // A new board in front, loaded and shown.
    ListedLottoBoard *open()
    {
        gblnBoardInitialised = false;
        board = new ListedLottoBoard();
        gfrmCurrentBoard = board;
        board->showBoard();
        return board;
    }

    // Closes the board in front and lets it go.
    void close()
    {
        board->unloadBoard();
        board = nullptr;
        gfrmCurrentBoard = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Sandbox sandbox;
    MessageBoxScript messages;
    clsRecordFile recordFile;
    clsFileSystem fileSystem;
    clsLanguage language;
    ListedLottoBoard *board = nullptr;
};
