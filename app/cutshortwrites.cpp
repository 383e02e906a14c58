#include "app/cutshortwrites.h"

#include "analysis/catalogue.h"
#include "analysis/ticketfile.h"
#include "app/application.h"
#include "app/boardsettings.h"
#include "app/clsregistry.h"
#include "platform/filewrite.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

void subRecoverCutShortWrites()
{
    const QFileInfo store(reg::storePath());
    filewrite::recoverFolder(store.absolutePath(), [&](const QString &name) { return name == store.fileName(); });

    // The board settings files and tickets the program writes belong to the lotteries the
    // catalogue lists.
    const CatalogueRead read =
        readCatalogue(CatalogueKind::Lotteries, app().gstrAppFolder + catalogueFileName(CatalogueKind::Lotteries));
    std::vector<LotteryRecord> lotteries;
    if (read.status == CatalogueRead::Status::Ok)
        lotteries = listedLotteries(read.table);
    std::erase_if(lotteries, [](const LotteryRecord &lottery) { return lottery.fileSuffix.isEmpty(); });
    QSet<QString> settingsFiles;
    for (const LotteryRecord &lottery : lotteries)
        settingsFiles.insert(fncBoardSettingsFileName(lottery.databaseFile, lottery.fileSuffix));
    filewrite::recoverFolder(app().gstrAppFolder, [&](const QString &name) { return settingsFiles.contains(name); });
    filewrite::recoverFolder(app().gstrSavedTicketsFolder, [&](const QString &name) {
        return std::any_of(lotteries.begin(), lotteries.end(), [&](const LotteryRecord &lottery) {
            const QString &suffix = lottery.fileSuffix;
            return (name.size() > suffix.size() && name.endsWith(suffix)) || fncIsTicketTextFileName(name, suffix);
        });
    });
}
