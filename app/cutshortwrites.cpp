#include "app/cutshortwrites.h"

#include "analysis/catalogue.h"
#include "analysis/ticketfile.h"
#include "app/application.h"
#include "app/boardsettings.h"
#include "app/clsfilesystem.h"
#include "app/clsregistry.h"
#include "app/faulttext.h"
#include "platform/filewrite.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

void subRecoverCutShortWrites()
{
    const auto recover = [](const QString &folder, const filewrite::FolderFiles &files) {
        for (const QString &left : filewrite::recoverFolder(folder, files))
            subLogFailureDetail(eventlog::kWriteLeftAsItStands, left);
    };
    const QFileInfo store(reg::storePath());
    recover(store.absolutePath(), {[&](const QString &name) { return name == store.fileName(); }, {}});

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
    recover(app().gstrAppFolder, {[&](const QString &name) { return settingsFiles.contains(name); }, {}});

    // A ticket is its record ("<ticket><suffix>") and its text file, saved as a pair.
    const auto isRecord = [](const QString &name, const QString &suffix) {
        return name.size() > suffix.size() && name.endsWith(suffix);
    };
    recover(app().gstrSavedTicketsFolder,
            {[&](const QString &name) {
                 return std::any_of(lotteries.begin(), lotteries.end(), [&](const LotteryRecord &lottery) {
                     return isRecord(name, lottery.fileSuffix) || fncIsTicketTextFileName(name, lottery.fileSuffix);
                 });
             },
             [&](const QString &record, const QString &text) {
                 return std::any_of(lotteries.begin(), lotteries.end(), [&](const LotteryRecord &lottery) {
                     const QString &suffix = lottery.fileSuffix;
                     return isRecord(record, suffix) &&
                            text == fncTicketTextFilePath(QString(), suffix, record.chopped(suffix.size()));
                 });
             }});
}
