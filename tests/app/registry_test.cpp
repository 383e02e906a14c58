#include "app/clsregistry.h"
#include "app/globals.h"
#include "app/settingsstore.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace reg;

namespace {
const QString kKey = QStringLiteral("Software\\TALVINOR");
}

TEST(Registry, StringsComeBackExactlyAsWritten)
{
    Sandbox sandbox;
    clsRegistry r;
    const QString def = QStringLiteral("default");
    EXPECT_EQ(r.fncREGGetVersionVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Name"), def), def);
    for (const QString &text : {QStringLiteral("Lotto.mdb"), QString(), QStringLiteral("Şans Topu.mdb"),
                                QString(255, u'x')}) {
        ASSERT_TRUE(r.fncREGSetStringVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Name"), text));
        EXPECT_EQ(r.fncREGGetVersionVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Name"), def), text);
    }
    // Key and value names compare without regard to case.
    EXPECT_EQ(r.fncREGGetVersionVal(HKEY_CURRENT_USER, QStringLiteral("software\\talvinor"), QStringLiteral("NAME"), def),
              QString(255, u'x'));
    // Longer than the reader's buffer: the default.
    ASSERT_TRUE(r.fncREGSetStringVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Name"), QString(256, u'x')));
    EXPECT_EQ(r.fncREGGetVersionVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Name"), def), def);
    // Roots are separate.
    EXPECT_EQ(r.fncREGGetVersionVal(HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Name"), def), def);
}

TEST(Registry, ReadingAValueOfAnotherTypeGivesTheDefault)
{
    Sandbox sandbox;
    clsRegistry r;
    ASSERT_TRUE(r.fncREGSetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Number"), -7));
    ASSERT_TRUE(r.fncREGSetStringVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Text"), QStringLiteral("12")));
    EXPECT_EQ(r.fncREGGetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Number"), 5), -7);
    EXPECT_EQ(r.fncREGGetVersionVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Number"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(r.fncREGGetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Text"), 5), 5);
    EXPECT_EQ(r.fncREGGetDwordVal(HKEY_CURRENT_USER, QStringLiteral("Software\\Missing"), QStringLiteral("Number"), 5), 5);
    // An unknown root key opens nothing and takes nothing.
    EXPECT_FALSE(r.fncREGSetDwordVal(12345, kKey, QStringLiteral("Number"), 1));
    EXPECT_EQ(r.fncREGGetDwordVal(12345, kKey, QStringLiteral("Number"), 9), 9);
}

TEST(Registry, BinaryValuesAndTheirDefaults)
{
    Sandbox sandbox;
    clsRegistry r;
    const QByteArray bytes("\x00\x01\xFE", 3);
    const QVariant bytesDefault(QByteArray("dd"));
    const QVariant longDefault(int32_t(3));

    // Missing key: a byte-array default comes back, any other default gives the 16-bit integer 0.
    EXPECT_EQ(r.fncGETMainRegistryVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Blob"), bytesDefault), bytesDefault);
    const QVariant missingKey = r.fncGETMainRegistryVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Blob"), longDefault);
    EXPECT_EQ(missingKey.typeId(), QMetaType::Short);
    EXPECT_EQ(missingKey.toInt(), 0);

    // Key present, value missing or of another type: the byte-array default, else {0}.
    ASSERT_TRUE(r.fncREGSetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Number"), 1));
    EXPECT_EQ(r.fncGETMainRegistryVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Blob"), bytesDefault), bytesDefault);
    EXPECT_EQ(r.fncGETMainRegistryVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Blob"), longDefault),
              QVariant(QByteArray(1, '\0')));
    EXPECT_EQ(r.fncGETMainRegistryVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Number"), longDefault),
              QVariant(QByteArray(1, '\0')));

    ASSERT_TRUE(r.fncREGSetBinaryVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Blob"), bytes));
    EXPECT_EQ(r.fncGETMainRegistryVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Blob"), longDefault), QVariant(bytes));
}

TEST(Registry, KeysAreCreatedWithTheirParentsAndDeletedOnlyWithoutSubkeys)
{
    Sandbox sandbox;
    clsRegistry r;
    EXPECT_FALSE(r.fncREGKeyExists(HKEY_CURRENT_USER, QStringLiteral("Software")));
    EXPECT_TRUE(r.fncREGCreateKey(HKEY_CURRENT_USER, kKey));
    EXPECT_TRUE(r.fncREGCreateKey(HKEY_CURRENT_USER, kKey));  // already there
    EXPECT_TRUE(r.fncREGKeyExists(HKEY_CURRENT_USER, QStringLiteral("Software")));
    EXPECT_FALSE(r.fncREGDeleteKey(HKEY_CURRENT_USER, QStringLiteral("Software")));  // has a subkey
    EXPECT_TRUE(r.fncREGDeleteKey(HKEY_CURRENT_USER, kKey));
    EXPECT_FALSE(r.fncREGKeyExists(HKEY_CURRENT_USER, kKey));
    EXPECT_FALSE(r.fncREGDeleteKey(HKEY_CURRENT_USER, kKey));
    EXPECT_TRUE(r.fncREGDeleteKey(HKEY_CURRENT_USER, QStringLiteral("Software")));
}

TEST(Registry, AnUnreadableStoreReadsAsEmpty)
{
    Sandbox sandbox;
    clsRegistry r;
    QFile file(reg::storePath());
    ASSERT_TRUE(QDir().mkpath(sandbox.configHome() + QStringLiteral("/TALVINOR")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{ not json");
    file.close();
    EXPECT_EQ(r.fncREGGetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Language"), 2), 2);
    // A DWORD edited by hand into a number no DWORD holds.
    for (const auto &[data, read] : {std::pair{"3", 3}, {"1e20", 2}, {"-3e9", 2}, {"2.5", 2}}) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(R"({"HKEY_CURRENT_USER": {"Software\\TALVINOR": {"Language": {"type": 4, "data": )")
                   + data + "}}}}");
        file.close();
        EXPECT_EQ(r.fncREGGetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Language"), 2), read) << data;
    }
    EXPECT_TRUE(r.fncREGSetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Language"), 3));
    EXPECT_EQ(r.fncREGGetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Language"), 2), 3);
}

TEST(SettingsStore, NothingStoredGivesEnglishAndNoLastLottery)
{
    Sandbox sandbox;
    glngLanguage = 3;
    gstrLastLotteryDbFile = QStringLiteral("old.mdb");
    subRestoreSettings();
    EXPECT_EQ(glngLanguage, 2);
    EXPECT_EQ(gstrLastLotteryDbFile, QString());
}

TEST(SettingsStore, LanguageAndOpenLotteryRoundTrip)
{
    Sandbox sandbox;
    glngLanguage = 1;
    gstrLotteryDbFile = QStringLiteral("Lotto.mdb");
    ASSERT_TRUE(fncSaveSettings());
    glngLanguage = 2;
    gstrLastLotteryDbFile.clear();
    subRestoreSettings();
    EXPECT_EQ(glngLanguage, 1);
    EXPECT_EQ(gstrLastLotteryDbFile, QStringLiteral("Lotto.mdb"));

    glngLanguage = 4;
    gstrLotteryDbFile.clear();
    ASSERT_TRUE(fncSaveSettings());
    subRestoreSettings();
    EXPECT_EQ(glngLanguage, 4);
    EXPECT_EQ(gstrLastLotteryDbFile, QString());
    gstrLotteryDbFile.clear();
}

TEST(SettingsStore, LanguagesOutsideOneToFourAndWrongTypesCountAsEnglish)
{
    Sandbox sandbox;
    clsRegistry r;
    for (int32_t stored : {0, 5, -1}) {
        ASSERT_TRUE(r.fncREGSetDwordVal(HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLanguage, stored));
        subRestoreSettings();
        EXPECT_EQ(glngLanguage, 2) << stored;
    }
    ASSERT_TRUE(r.fncREGSetStringVal(HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLanguage,
                                     QStringLiteral("3")));
    subRestoreSettings();
    EXPECT_EQ(glngLanguage, 2);
}
