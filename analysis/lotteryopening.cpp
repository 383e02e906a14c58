#include "analysis/lotteryopening.h"

#include "analysis/clslotterydb.h"
#include "analysis/state.h"

OpeningCheck prepareLotteryOpening(const QString &databaseFile, const QString &programFolder,
                                   const QString &lotteryDbsFolder)
{
    OpeningCheck check;
    LotteryOpening &o = check.opening;
    auto fail = [&](OpeningProblem problem, const QString &detail = {}) {
        check.problem = problem;
        check.detail = detail;
        return check;
    };
    const std::pair<CatalogueKind, CatalogueTable *> catalogues[] = {
        {CatalogueKind::Lotteries, &o.lotteries},
        {CatalogueKind::GameConfigs, &o.configs},
        {CatalogueKind::Countries, &o.countries},
    };
    for (const auto &[kind, table] : catalogues) {
        CatalogueRead read = readCatalogue(kind, programFolder + catalogueFileName(kind));
        check.file = catalogueFileName(kind);
        if (read.status == CatalogueRead::Status::Missing)
            return fail(OpeningProblem::CatalogueMissing, read.error);
        if (read.status == CatalogueRead::Status::Malformed)
            return fail(OpeningProblem::CatalogueDamaged, read.error);
        *table = std::move(read.table);
    }
    const auto lottery = findLottery(o.lotteries, databaseFile);
    if (!lottery)
        return fail(OpeningProblem::LotteryNotListed);
    o.lottery = *lottery;
    const auto config = findGameConfig(o.configs, o.lottery.lotteryId);
    if (!config)
        return fail(OpeningProblem::ConfigMissing);
    o.config = *config;
    const auto country = findCountry(o.countries, o.lottery.countryId);
    if (!country)
        return fail(OpeningProblem::CountryMissing);
    o.country = *country;
    const auto shape = gameCodeFor(o.config);
    if (!shape)
        return fail(OpeningProblem::NoBoard);
    o.gameCode = *shape;
    QString why;
    if (!lotterydb::canOpenResultsDatabase(lotteryDbsFolder + databaseFile, &why, &check.databaseFault))
        return fail(OpeningProblem::DatabaseUnreadable, why);
    return check;
}

namespace {

// Sizes and clears the tables of a drum. The tables of the last POWER belonged to the lottery open
// before: until POWER runs on this one there is no pool to draw from.
void sizeDrumTables(DrumState &drum, int32_t first, int32_t last)
{
    drum.garrExcluded.reset(first, last, 0);
    drum.garrRowBall.reset(first, last, 0);
    drum.garrPowerPercent.reset(first, last, 0);
    drum.garrPosByLastPicked.reset(first, last, 0);
    drum.garrPosByPowerPercent.reset(first, last, 0);
    drum.garrPoolCountEdited.reset(first, last, 0);
    drum.garrPoolWeightSaved.reset(first, last, 0);
    drum.garrPickCount = {};
    drum.garrLastPickedWeek = {};
    drum.garrPower = {};
    drum.garrRankTable = {};
    drum.garrPoolWeight = {};
    drum.garrPool = {};
    drum.glngPoolTotal = 0;
    drum.gblnSumStatsValid = false;
}

}  // namespace

void commitLotteryOpening(const LotteryOpening &o)
{
    // Nothing of the lottery open before carries over but the file suffix it was saved under.
    const QString previousFileSuffix = gstrFileSuffix;
    resetOpenLottery();


    glngLotteryId = o.lottery.lotteryId;
    gstrLotteryName = o.lottery.lotteryName;
    gstrDatabaseFile = o.lottery.databaseFile;
    gstrPreviousFileSuffix = previousFileSuffix;
    gstrFileSuffix = o.lottery.fileSuffix;
    gstrNewFileSuffix = gstrFileSuffix;

    glngConfigLotteryId = o.config.lotteryId;
    gstrGameTitle = o.config.gameTitle;
    glngCfgHighestBall = o.config.highestBall;
    glngCfgHighestBallBONUS = o.config.highestBallBONUS;
    glngCfgReserved5 = o.config.reserved5;
    glngCfgNumbersDrawn = o.config.numbersDrawn;
    glngCfgBonusCount = o.config.bonusCount;
    glngCfgReserved8 = o.config.reserved8;

    glngCountryRecordId = o.country.countryId;
    gstrCountryName = o.country.countryName;

    gstrConfigFileSuffix = gstrFileSuffix;

    applyConfiguredGame();
}

void applyConfiguredGame()
{
    const GameConfigRecord configured = configuredGame();
    gameShapeFor(configured).makeCurrent();

    sizeDrumTables(gDrum, glngFirstBall, glngMaxBall);
    gintHotColdMode = 0;
    gblnPowerIncrease = false;
    gblnEqualChance = false;
    gblnGuaranteeNumbers = false;
    gDrum.gblnPowerInterval = false;
    gblnCompareWithGuess = false;
    gblnIncrementalTicket = false;
    gblnBoardInitialised = false;
    gDrum.gblnPowerRowsCreated = false;
    gDrum.gblnPoolRowsCreated = false;
    if (glngMaxBallBONUS > 0) {
        sizeDrumTables(gDrumBONUS, glngFirstBall, glngMaxBallBONUS);
        gDrumBONUS.gblnPowerInterval = false;
        gDrumBONUS.gblnPowerRowsCreated = false;
        gDrumBONUS.gblnPoolRowsCreated = false;
    }
    // Every pool opens in its "Pool %" view, the main pool in front.
    gDrum.gblnPoolCountView = false;
    gDrumBONUS.gblnPoolCountView = false;
    gblnMainPoolView = true;
}

GameConfigRecord configuredGame()
{
    return GameConfigRecord{glngConfigLotteryId, gstrGameTitle,     glngCfgHighestBall, glngCfgHighestBallBONUS,
                            glngCfgReserved5,    glngCfgNumbersDrawn, glngCfgBonusCount,  glngCfgReserved8};
}
