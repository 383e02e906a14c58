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
    clsRegistry registry;
    const bool language =
        registry.fncREGSetDwordVal(reg::HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLanguage, app().glngLanguage);
    if (!language && error)
        *error = reg::lastWriteError();
    const bool lottery = registry.fncREGSetStringVal(reg::HKEY_CURRENT_USER, settingsstore::kKey,
                                                     settingsstore::kLastLotteryDbFile, app().gstrLotteryDbFile);
    if (!lottery && language && error)
        *error = reg::lastWriteError();
    return language && lottery;
}

bool fncForgetLastLottery()
{
    return clsRegistry().fncREGSetStringVal(reg::HKEY_CURRENT_USER, settingsstore::kKey,
                                            settingsstore::kLastLotteryDbFile, QString());
}
