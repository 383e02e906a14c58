#include "boardfixture.h"

#include "analysis/lotteryopening.h"
#include "app/globals.h"
#include "app/services.h"
#include "dialogs/frmcolumnprogress.h"
#include "platform/dates.h"

#include <QCoreApplication>
#include <QFile>

void BoardFixture::SetUp()
{
    gstrAppFolder = sandbox.programFolder() + u'/';
    gstrLotteryDbsFolder = gstrAppFolder + QStringLiteral("LotteryDBs/");
    gstrSavedTicketsFolder = gstrAppFolder + QStringLiteral("SavedTickets/");
    glngLanguage = 2;
    gobjLotteryDb = &db;
    gobjAnalysis = &analysis;
    gobjAnalysisBONUS = &analysisBonus;
    garrTicketGrid = TicketGrid();
    garrTicketLines.clear();
    garrMessages.clear();
    gblnSkipDraw = false;
    frmColumnProgress::setSynchronousDisplay(true);
    setGeneratorSeedForTests(20260501u);
}

void BoardFixture::TearDown()
{
    gfrmCurrentBoard = nullptr;
    board.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    gobjLotteryDb = nullptr;
    gobjAnalysis = nullptr;
    gobjAnalysisBONUS = nullptr;
    frmColumnProgress::setSynchronousDisplay(false);
    setGeneratorSeedForTests(std::nullopt);
    gblnBoardInitialised = false;
}

void BoardFixture::openSample(const QString &databaseFile)
{
    const samples::Outcome outcome = samples::writeSampleLotteries(sandbox.programFolder());
    ASSERT_TRUE(outcome.errors.isEmpty()) << outcome.errors.join(u'\n').toStdString();
    openOnBoard(databaseFile);
}

void BoardFixture::openLottery(const GameConfigRecord &config, const History &history)
{
    const QString file = QStringLiteral("Test Lottery.mdb");
    const LotteryRecord lottery{config.lotteryId, QStringLiteral("Test Lottery"), file, QStringLiteral("TL01"),
                                samples::sampleCountry().countryId};
    const std::pair<CatalogueKind, CatalogueTable> tables[] = {
        {CatalogueKind::Lotteries, samples::lotteryTable({lottery})},
        {CatalogueKind::GameConfigs, samples::gameConfigTable({config})},
        {CatalogueKind::Countries, samples::countryTable({samples::sampleCountry()})},
    };
    QString error;
    for (const auto &[kind, table] : tables)
        ASSERT_EQ(samples::writeNewFile(gstrAppFolder + catalogueFileName(kind),
                                        catalogueBytes(table, DimensionOrder::ColumnsFirst), &error),
                  samples::WriteResult::Written)
            << error.toStdString();
    QDir().mkpath(gstrLotteryDbsFolder);
    ASSERT_TRUE(lotterydb::createResultsDatabase(gstrLotteryDbsFolder + file, history,
                                                 samples::numbersPerDrawing(config), &error))
        << error.toStdString();
    openOnBoard(file);
}

void BoardFixture::openOnBoard(const QString &databaseFile)
{
    gstrLotteryDbFile = databaseFile;
    const OpeningCheck check = prepareLotteryOpening(databaseFile);
    ASSERT_EQ(check.problem, OpeningProblem::None) << check.detail.toStdString();
    commitLotteryOpening(check.opening);
    gstrGameCode = check.opening.gameCode.code;
    board = std::make_unique<TestBoard>(check.opening.gameCode.family);
    gfrmCurrentBoard = board.get();
    loadBoard();
}

void BoardFixture::loadBoard()
{
    TestBoard &b = *board;
    // A plain design: the row templates with a size and a place, one table half beside the other.
    b.resize(1200, 900);
    const auto place = [](auto &array, int left, int width) {
        for (int t : {0, 29})
            if (auto *ctl = array.at(t))
                ctl->Move(left + (t ? 2400 : 0), 600, width, 335);
    };
    for (DrumControls *drum : {&b.main, &b.bonus}) {
        place(drum->picPowerBall, 100, 300);
        place(drum->lblPowerBall, 400, 300);
        place(drum->lblTotalPicks, 700, 400);
        place(drum->lblStanding, 1100, 400);
        place(drum->lblPowerPercent, 1500, 400);
        place(drum->lblWeeksSincePick, 1900, 400);
        place(drum->picPoolBall, 5000, 300);
        place(drum->lblPoolBall, 5300, 300);
        place(drum->txtPoolCount, 5600, 700);
        place(drum->txtPoolPercent, 5600, 700);
        place(drum->chkExcludeBall, 6300, 300);
        for (int h = 0; h <= 1; ++h)
            if (VbLabel *header = drum->lblHdrPool.at(h))
                header->Move(5600 + 2400 * h, 200, 700, 300);
    }
    // As the board's design has them: the second table halves hidden until a table reaches 29.
    for (DrumControls *drum : {&b.main, &b.bonus}) {
        for (auto *headers : {&drum->lblHdrTotal, &drum->lblHdrStanding, &drum->lblHdrPowerPercent,
                              &drum->lblHdrLastPicked, &drum->lblHdrPool, &drum->lblHdrExclude})
            if (VbLabel *h = headers->at(1))
                h->setVisible(false);
        for (int band : {1, 3})
            if (VbShape *s = drum->shpBallColumn.at(band))
                s->setVisible(false);
    }
    for (VbCombo *pct : {b.main.cboPowerIntervalPct, b.bonus.cboPowerIntervalPct}) {
        if (!pct)
            continue;
        pct->addItem(QStringLiteral("1"));
        for (int v = 10; v <= 100; v += 10)
            pct->addItem(QString::number(v));
    }
    b.hsbPowerIncrease->setMin(2);
    b.hsbPowerIncrease->setMax(4);
    b.hsbPowerIncrease->setValue(2);
    ASSERT_TRUE(analysis.fncTotalWeekNumberAndAllGameDates());
    // The reset settings.
    b.cboStartDrawing->setText(QStringLiteral("1"));
    b.cboEndDrawing->setText(QString::number(glngTotalWeeks));
    if (glngTotalWeeks > 0)
        b.cboDrawingDate->setText(dates::toShortText(garrGameDates[1]));
    b.optHotCold[0]->setValue(true);
    for (VbCombo *pct : {b.main.cboPowerIntervalPct, b.bonus.cboPowerIntervalPct})
        if (pct)
            pct->setText(QStringLiteral("1"));
    b.txtColumnsToDraw->setText(QStringLiteral("10"));
    b.txtGuess.forEach([](int, VbTextBox *box) { box->setText(QStringLiteral("0")); });
    for (DrumState *drum : {&gDrum, &gDrumBONUS}) {
        drum->garrPoolCountEdited.fill(-3);
        drum->garrPoolWeightSaved.fill(0);
        drum->garrExcluded.fill(0);
    }
    b.cmdPower_Click();
    gblnBoardInitialised = true;
    b.subRefreshPool();
}

History BoardFixture::drawings(const std::vector<std::vector<int32_t>> &numbers)
{
    History h;
    int32_t week = 0;
    for (const auto &row : numbers) {
        Drawing d;
        d.weekNo = ++week;
        d.date = QDate(2024, 1, 3).addDays(7 * (week - 1));
        for (size_t i = 0; i < row.size() && i < d.numbers.size(); ++i)
            d.numbers[i] = row[i];
        h.push_back(d);
    }
    return h;
}

void BoardFixture::selectWeek(VbCombo *combo, int32_t week) { combo->setListIndex(glngTotalWeeks - week); }

QStringList BoardFixture::captions(const CtlArray<VbLabel> &labels, int lo, int hi)
{
    QStringList out;
    for (int i = lo; i <= hi; ++i)
        out << (labels.exists(i) ? labels[i]->caption() : QStringLiteral("?"));
    return out;
}
