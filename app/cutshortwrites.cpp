#include "app/cutshortwrites.h"

#include "analysis/catalogue.h"
#include "analysis/ticketfile.h"
#include "app/application.h"
#include "app/boardsettings.h"
#include "app/clsfilesystem.h"
#include "app/clsregistry.h"
#include "app/faulttext.h"
#include "platform/filewrite.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

void subRecoverCutShortWrites()
{
    const auto recover = [](const QString &folder, const filewrite::FolderFiles &files) {
        for (const QString &left : filewrite::recoverFolder(folder, files))
            subLogFailureDetail(eventlog::kWriteLeftAsItStands, left);
    };
    // A file written whole through a link is written where the link leads (filewrite::writeWhole):
    // what a write of it cut short left stands there.
    const auto recoverWhereLinksLead = [&](const QString &folder, const QSet<QString> &names) {
        for (const QString &name : names) {
            const QString path = QDir(folder).filePath(name);
            const QFileInfo target(filewrite::fileWrittenWhole(path));
            if (target.absoluteFilePath() != QFileInfo(path).absoluteFilePath())
                recover(target.absolutePath(), {[&](const QString &written) { return written == target.fileName(); }, {}});
        }
    };
    const QFileInfo store(reg::storePath());
    recover(store.absolutePath(), {[&](const QString &name) { return name == store.fileName(); }, {}});
    recoverWhereLinksLead(store.absolutePath(), {store.fileName()});

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
    recoverWhereLinksLead(app().gstrAppFolder, settingsFiles);

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
