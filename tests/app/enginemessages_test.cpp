#include "app/enginemessages.h"
#include "app/application.h"
#include "app/resstrings.h"

#include <gtest/gtest.h>

TEST(EngineMessages, FewerColumnsSpeaksOfOneColumnInTheSingular)
{
    struct Case {
        int language;
        int64_t available;
        const char *text;
    };
    const Case cases[] = {
        {2, 1, "Only 1 new column can be made with these settings, so 1 column will be drawn."},
        {2, 2, "Only 2 new columns can be made with these settings, so 2 columns will be drawn."},
        {3, 1, "Seule 1 nouvelle colonne peut être créée avec ces réglages ; 1 colonne sera donc tirée."},
        {3, 17, "Seules 17 nouvelles colonnes peuvent être créées avec ces réglages ; 17 colonnes seront donc tirées."},
        // Turkish keeps the noun in the singular after a number.
        {1, 1, "Bu ayarlarla yalnızca 1 yeni kolon oluşturulabilir; bu yüzden 1 kolon çekilecek."},
        {1, 5, "Bu ayarlarla yalnızca 5 yeni kolon oluşturulabilir; bu yüzden 5 kolon çekilecek."},
    };
    for (const Case &c : cases) {
        app().glngLanguage = c.language;
        DrawCheck check;
        check.code = DrawCode::FewerColumns;
        check.available = c.available;
        EXPECT_EQ(drawCheckText(check), QString::fromUtf8(c.text)) << c.language << " " << c.available;
    }
    app().glngLanguage = 2;
}

TEST(EngineMessages, TheSingularTakesZeroInFrenchOnly)
{
    const std::tuple<int, qint64, int> cases[] = {
        {2, 0, 47080}, {2, 1, 49530}, {2, 2, 47080}, {3, 0, 49530}, {3, 1, 49530},
        {3, 2, 47080}, {1, 0, 47080}, {1, 1, 49530}, {4, 1, 49530}, {4, 0, 47080},
    };
    for (const auto &[language, count, base] : cases) {
        app().glngLanguage = language;
        EXPECT_EQ(resCount(49530, 47080, count), res(base)) << language << " " << count;
    }
    app().glngLanguage = 2;
}
