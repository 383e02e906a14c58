#include "app/settingsstore.h"

#include "app/clsregistry.h"
#include "app/application.h"

void subRestoreSettings()
{
    clsRegistry registry;
    const int32_t language =
        registry.fncREGGetDwordVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLanguage, 2);
    app().glngLanguage = (language >= 1 && language <= 4) ? language : 2;
    app().gstrLastLotteryDbFile = fncStoredLastLotteryDbFile();
}

QString fncStoredLastLotteryDbFile()
{
    return clsRegistry().fncREGGetVersionVal(reg::HKEY_CURRENT_USER, settingsstore::kKey,
                                             settingsstore::kLastLotteryDbFile, QString());
}

bool fncSaveSettings(filewrite::Error *error)
{
    // Both in one write of the store, so that it never holds the new language beside the old lottery.
    const bool saved = clsRegistry().fncREGSetValues(
        reg::HKEY_CURRENT_USER, settingsstore::kKey,
        {{settingsstore::kLanguage, app().glngLanguage}, {settingsstore::kLastLotteryDbFile, app().gstrLotteryDbFile}});
    if (!saved && error)
        *error = reg::lastWriteError();
    return saved;
}

bool fncForgetLastLottery()
{
    return clsRegistry().fncREGSetStringVal(reg::HKEY_CURRENT_USER, settingsstore::kKey,
                                            settingsstore::kLastLotteryDbFile, QString());
}
