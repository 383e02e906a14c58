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
    QString text(const QString &name, int32_t root = HKEY_CURRENT_USER, const QString &key = kKey)
    {
        return r.fncREGGetVersionVal(root, key, name, QStringLiteral("default"));
    }
    int32_t dword(const QString &name, int32_t root = HKEY_CURRENT_USER, const QString &key = kKey)
    {
        return r.fncREGGetDwordVal(root, key, name, 5);
    }
    Sandbox sandbox;
    clsRegistry r;
};

}  // namespace

TEST_F(Registry, ValuesComeBackExactlyAsWrittenOrAsTheDefault)
{
    EXPECT_EQ(text(QStringLiteral("Name")), QStringLiteral("default"));
    for (const QString &value : {QStringLiteral("Şans Topu.mdb"), QString(), QString(255, u'x')}) {
        ASSERT_TRUE(r.fncREGSetStringVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Name"), value));
        EXPECT_EQ(text(QStringLiteral("Name")), value);
    }
    // Key and value names compare without regard to case; roots are separate.
    EXPECT_EQ(text(QStringLiteral("NAME"), HKEY_CURRENT_USER, QStringLiteral("software\\talvinor")), QString(255, u'x'));
    EXPECT_EQ(text(QStringLiteral("Name"), HKEY_LOCAL_MACHINE), QStringLiteral("default"));
    // Longer than the reader's buffer, or of another type: the default.
    ASSERT_TRUE(r.fncREGSetStringVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Name"), QString(256, u'x')));
    EXPECT_EQ(text(QStringLiteral("Name")), QStringLiteral("default"));
    ASSERT_TRUE(r.fncREGSetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Number"), -7));
    EXPECT_EQ(std::tuple(dword(QStringLiteral("Number")), dword(QStringLiteral("Name")), text(QStringLiteral("Number"))),
              std::tuple(-7, 5, QStringLiteral("default")));
    EXPECT_EQ(dword(QStringLiteral("Number"), HKEY_CURRENT_USER, QStringLiteral("Software\\Missing")), 5);
    // An unknown root key opens nothing and takes nothing.
    EXPECT_FALSE(r.fncREGSetDwordVal(12345, kKey, QStringLiteral("Number"), 1));
    EXPECT_EQ(dword(QStringLiteral("Number"), 12345), 5);
}

TEST_F(Registry, AnUnreadableStoreOrValueReadsAsTheDefault)
{
    QFile file(reg::storePath());
    ASSERT_TRUE(QDir().mkpath(sandbox.configHome() + QStringLiteral("/TALVINOR")));
    // Not a store, then a DWORD edited by hand into a number no DWORD holds.
    for (const auto &[data, read] : {std::pair{"", 5}, {"3", 3}, {"1e20", 5}, {"-3e9", 5}, {"2.5", 5}}) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(*data ? QByteArray(R"({"HKEY_CURRENT_USER": {"Software\\TALVINOR": {"Language": {"type": 4, "data": )")
                               + data + "}}}}"
                         : QByteArray("{ not json"));
        file.close();
        EXPECT_EQ(dword(QStringLiteral("Language")), read) << data;
    }
    EXPECT_TRUE(r.fncREGSetDwordVal(HKEY_CURRENT_USER, kKey, QStringLiteral("Language"), 4));
    EXPECT_EQ(dword(QStringLiteral("Language")), 4);
}

TEST_F(Registry, SettingsStoreRoundTripAndLanguagesOutsideOneToFour)
{
    glngLanguage = 3;
    gstrLastLotteryDbFile = QStringLiteral("old.mdb");
    subRestoreSettings();  // nothing stored
    EXPECT_EQ(std::pair(glngLanguage, gstrLastLotteryDbFile), std::pair(2, QString()));
    glngLanguage = 1;
    gstrLotteryDbFile = QStringLiteral("Lotto.mdb");
    ASSERT_TRUE(fncSaveSettings());
    glngLanguage = 2;
    subRestoreSettings();
    EXPECT_EQ(std::pair(glngLanguage, gstrLastLotteryDbFile), std::pair(1, QStringLiteral("Lotto.mdb")));
    gstrLotteryDbFile.clear();
    for (int32_t stored : {0, 5, -1}) {
        ASSERT_TRUE(r.fncREGSetDwordVal(HKEY_CURRENT_USER, settingsstore::kKey, settingsstore::kLanguage, stored));
        subRestoreSettings();
        EXPECT_EQ(glngLanguage, 2) << stored;
    }
    gstrLastLotteryDbFile.clear();
}
