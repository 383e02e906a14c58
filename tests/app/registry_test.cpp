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

class Registry : public ::testing::Test {
protected:
    QString text(const QString &name, int32_t root = HKEY_CURRENT_USER)
    {
        return r.fncREGGetVersionVal(root, kKey, name, QStringLiteral("default"));
    }
    Sandbox sandbox;
    clsRegistry r;
};

}  // namespace

TEST_F(Registry, StringsComeBackExactlyAsWritten)
{
    EXPECT_EQ(text(QStringLiteral("Name")), QStringLiteral("default"));
    for (const QString &value : {QStringLiteral("Lotto.mdb"), QString(), QStringLiteral("Şans Topu.mdb"), QString(255, u'x')}) {
        ASSERT_TRUE(r.fncREGSetStringVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Name"), value));
        EXPECT_EQ(text(QStringLiteral("Name")), value);
    }
    // Key and value names compare without regard to case; roots are separate.
    EXPECT_EQ(r.fncREGGetVersionVal(HKEY_CURRENT_USER, QStringLiteral("software\\talvinor"), QStringLiteral("NAME"), {}),
              QString(255, u'x'));
    EXPECT_EQ(text(QStringLiteral("Name"), HKEY_LOCAL_MACHINE), QStringLiteral("default"));
    // Longer than the reader's buffer: the default.
    ASSERT_TRUE(r.fncREGSetStringVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Name"), QString(256, u'x')));
    EXPECT_EQ(text(QStringLiteral("Name")), QStringLiteral("default"));
}

TEST_F(Registry, ReadingAValueOfAnotherTypeGivesTheDefault)
{
    ASSERT_TRUE(r.fncREGSetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Number"), -7));
    ASSERT_TRUE(r.fncREGSetStringVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Text"), QStringLiteral("12")));
    EXPECT_EQ(r.fncREGGetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Number"), 5), -7);
    EXPECT_EQ(text(QStringLiteral("Number")), QStringLiteral("default"));
    EXPECT_EQ(r.fncREGGetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Text"), 5), 5);
    EXPECT_EQ(r.fncREGGetDwordVal(HKEY_CURRENT_USER, QStringLiteral("Software\\Missing"), QStringLiteral("Number"), 5), 5);
    // An unknown root key opens nothing and takes nothing.
    EXPECT_FALSE(r.fncREGSetDwordVal(12345, kKey, QStringLiteral("Number"), 1));
    EXPECT_EQ(r.fncREGGetDwordVal(12345, kKey, QStringLiteral("Number"), 9), 9);
}

TEST_F(Registry, BinaryValuesAndTheirDefaults)
{
    const QVariant bytesDefault(QByteArray("dd"));
    const QVariant longDefault(int32_t(3));
    const QVariant zeroByte(QByteArray(1, '\0'));
    auto blob = [&](const QString &name, const QVariant &def) {
        return r.fncGETMainRegistryVal(HKEY_CURRENT_USER, kKey, name, def);
    };
    // Missing key: a byte-array default comes back, any other default gives the 16-bit integer 0.
    EXPECT_EQ(blob(QStringLiteral("Blob"), bytesDefault), bytesDefault);
    EXPECT_EQ(blob(QStringLiteral("Blob"), longDefault).typeId(), QMetaType::Short);
    EXPECT_EQ(blob(QStringLiteral("Blob"), longDefault).toInt(), 0);
    // Key present, value missing or of another type: the byte-array default, else {0}.
    ASSERT_TRUE(r.fncREGSetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Number"), 1));
    EXPECT_EQ(blob(QStringLiteral("Blob"), bytesDefault), bytesDefault);
    EXPECT_EQ(blob(QStringLiteral("Blob"), longDefault), zeroByte);
    EXPECT_EQ(blob(QStringLiteral("Number"), longDefault), zeroByte);
    const QByteArray bytes("\x00\x01\xFE", 3);
    ASSERT_TRUE(r.fncREGSetBinaryVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Blob"), bytes));
    EXPECT_EQ(blob(QStringLiteral("Blob"), longDefault), QVariant(bytes));
}

TEST_F(Registry, KeysAreCreatedWithTheirParentsAndDeletedOnlyWithoutSubkeys)
{
    EXPECT_FALSE(r.fncREGKeyExists(HKEY_CURRENT_USER, QStringLiteral("Software")));
    EXPECT_TRUE(r.fncREGCreateKey(HKEY_CURRENT_USER, kKey));
    EXPECT_TRUE(r.fncREGCreateKey(HKEY_CURRENT_USER, kKey));  // already there
    EXPECT_TRUE(r.fncREGKeyExists(HKEY_CURRENT_USER, QStringLiteral("Software")));
    EXPECT_FALSE(r.fncREGDeleteKey(HKEY_CURRENT_USER, QStringLiteral("Software")));  // has a subkey
    EXPECT_TRUE(r.fncREGDeleteKey(HKEY_CURRENT_USER, kKey));
    EXPECT_FALSE(r.fncREGDeleteKey(HKEY_CURRENT_USER, kKey));
    EXPECT_TRUE(r.fncREGDeleteKey(HKEY_CURRENT_USER, QStringLiteral("Software")));
}

TEST_F(Registry, AnUnreadableStoreOrValueReadsAsTheDefault)
{
    QFile file(reg::storePath());
    ASSERT_TRUE(QDir().mkpath(sandbox.configHome() + QStringLiteral("/TALVINOR")));
    // Not a store, then a DWORD edited by hand into a number no DWORD holds.
    for (const auto &[data, read] : {std::pair{"", 2}, {"3", 3}, {"1e20", 2}, {"-3e9", 2}, {"2.5", 2}}) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(*data ? QByteArray(R"({"HKEY_CURRENT_USER": {"Software\\TALVINOR": {"Language": {"type": 4, "data": )")
                               + data + "}}}}"
                         : QByteArray("{ not json"));
        file.close();
        EXPECT_EQ(r.fncREGGetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Language"), 2), read) << data;
    }
    EXPECT_TRUE(r.fncREGSetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Language"), 4));
    EXPECT_EQ(r.fncREGGetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Language"), 2), 4);
}

TEST_F(Registry, SettingsStoreRoundTripAndLanguagesOutsideOneToFour)
{
    glngLanguage = 3;
    gstrLastLotteryDbFile = QStringLiteral("old.mdb");
    subRestoreSettings();  // nothing stored
    EXPECT_EQ(glngLanguage, 2);
    EXPECT_EQ(gstrLastLotteryDbFile, QString());

    glngLanguage = 1;
    gstrLotteryDbFile = QStringLiteral("Lotto.mdb");
    ASSERT_TRUE(fncSaveSettings());
    glngLanguage = 2;
    subRestoreSettings();
    EXPECT_EQ(glngLanguage, 1);
    EXPECT_EQ(gstrLastLotteryDbFile, QStringLiteral("Lotto.mdb"));
    gstrLotteryDbFile.clear();

    for (int32_t stored : {0, 5, -1}) {
        ASSERT_TRUE(r.fncREGSetDwordVal(HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLanguage, stored));
        subRestoreSettings();
        EXPECT_EQ(glngLanguage, 2) << stored;
    }
    ASSERT_TRUE(r.fncREGSetStringVal(HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLanguage, QStringLiteral("3")));
    subRestoreSettings();
    EXPECT_EQ(glngLanguage, 2);
}
