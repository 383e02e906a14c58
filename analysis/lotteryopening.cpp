#include "analysis/lotteryopening.h"

#include "analysis/clslotterydb.h"
#include "analysis/openlottery.h"

OpeningCheck prepareLotteryListing(const QString &databaseFile, const QString &programFolder)
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
    return check;
}

void checkLotteryDatabase(OpeningCheck &check, const QString &path)
{
    QString why;
    if (!lotterydb::canOpenResultsDatabase(path, &why, &check.databaseFault)) {
        check.problem = OpeningProblem::DatabaseUnreadable;
        check.detail = why;
    }
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

OpenLottery makeOpenLottery(const LotteryOpening &o, const QString &previousFileSuffix)
{
    OpenLottery lottery;
    lottery.glngLotteryId = o.lottery.lotteryId;
    lottery.gstrLotteryName = o.lottery.lotteryName;
    lottery.gstrDatabaseFile = o.lottery.databaseFile;
    lottery.gstrPreviousFileSuffix = previousFileSuffix;
    lottery.gstrFileSuffix = o.lottery.fileSuffix;
    lottery.gstrNewFileSuffix = lottery.gstrFileSuffix;

    lottery.glngConfigLotteryId = o.config.lotteryId;
    lottery.gstrGameTitle = o.config.gameTitle;
    lottery.glngCfgHighestBall = o.config.highestBall;
    lottery.glngCfgHighestBallBONUS = o.config.highestBallBONUS;
    lottery.glngCfgReserved5 = o.config.reserved5;
    lottery.glngCfgNumbersDrawn = o.config.numbersDrawn;
    lottery.glngCfgBonusCount = o.config.bonusCount;
    lottery.glngCfgReserved8 = o.config.reserved8;

    lottery.glngCountryRecordId = o.country.countryId;
    lottery.gstrCountryName = o.country.countryName;

    lottery.gstrConfigFileSuffix = lottery.gstrFileSuffix;

    applyConfiguredGame(lottery);
    return lottery;
}

void applyConfiguredGame(OpenLottery &lottery)
{
    lottery.applyGame(gameLayoutFor(configuredGame(lottery)));

    lottery.gintHotColdMode = 0;
    lottery.gblnPowerIncrease = false;
    lottery.gblnEqualChance = false;
    lottery.gblnGuaranteeNumbers = false;
    lottery.gblnCompareWithGuess = false;
    lottery.gblnIncrementalTicket = false;
    lottery.gblnBoardInitialised = false;
    // Each drum of the game gets tables for its balls, its interval off and its rows still to
    // make; every pool opens in its "Pool %" view, the main pool in front.
    for (Drum drum : lottery.gLayout.drums()) {
        DrumState &d = lottery.drum(drum);
        sizeDrumTables(d, lottery.glngFirstBall, lottery.gLayout.drum(drum).maxBall);
        d.gblnPowerInterval = false;
        d.gblnPowerRowsCreated = false;
        d.gblnPoolRowsCreated = false;
    }
    for (Drum drum : {Drum::Main, Drum::Second})
        lottery.drum(drum).gblnPoolCountView = false;
    lottery.gblnMainPoolView = true;
}

GameConfigRecord configuredGame(const OpenLottery &l)
{
    return GameConfigRecord{l.glngConfigLotteryId, l.gstrGameTitle,       l.glngCfgHighestBall, l.glngCfgHighestBallBONUS,
                            l.glngCfgReserved5,    l.glngCfgNumbersDrawn, l.glngCfgBonusCount,  l.glngCfgReserved8};
}
