// POWER's warning counts empty numbers apart from numbers outside the game's range.

#include "app/enginemessages.h"
#include "analysis/recalc.h"
#include "analysis/statistics.h"
#include "app/application.h"
#include "testhistory.h"

#include <gtest/gtest.h>

TEST(EmptyNumbers, AreCountedAndNamedApartFromNumbersOutsideTheRange)
{
    const GameLayout g = GameLayout::twoDrum(10, 3, 5, 1);
    History h = randomHistory(g, 20, 11);
    h[2].numbers[0] = Drawing::kEmpty;  // main drum
    h[3].numbers[3] = Drawing::kEmpty;  // second drum
    h[4].numbers[1] = 77;               // outside the main drum
    h[5].numbers[2] = -1;               // and a negative number
    h[6].numbers[0] = Drawing::kNotANumber;  // and a value that is no number at all
    RecalcInputs in;
    in.fromWeek = 1;
    in.toWeek = 20;
    in.upToDate = weekDate(20);
    in.totalWeeks = 20;
    const PowerTables tables = recalculateAll(h, in, g);
    const WindowCheck &check = tables.check;
    EXPECT_EQ(check.numbersOutside, 3);
    EXPECT_EQ(check.emptyNumbers, 2);
    EXPECT_EQ(tables.of(Drum::Main).leftOut.empty, 1);
    EXPECT_EQ(tables.of(Drum::Second).leftOut.outside, 0);

    struct Case {
        int language;
        const char *outside, *empty;
    };
    const Case cases[] = {
        {2, "Numbers outside the game's range: 3", "Empty numbers (no number in the results): 2"},
        {3, "Numéros hors de la plage du jeu : 3", "Numéros vides (aucun numéro dans les résultats) : 2"},
        {1, "Oyunun aralığı dışındaki sayılar: 3", "Boş sayılar (sonuçta sayı yazılmamış): 2"},
    };
    for (const Case &c : cases) {
        app().glngLanguage = c.language;
        const QStringList lines = windowWarningText(check).split(u'\n');
        EXPECT_TRUE(lines.contains(QString::fromUtf8(c.outside))) << lines.join(u'|').toStdString();
        EXPECT_TRUE(lines.contains(QString::fromUtf8(c.empty))) << lines.join(u'|').toStdString();
    }
    app().glngLanguage = 2;

    // Only empty numbers: a warning all the same, with no number said to be outside.
    WindowCheck onlyEmpty;
    onlyEmpty.emptyNumbers = 3;
    EXPECT_TRUE(onlyEmpty.hasWarning());
    EXPECT_TRUE(windowWarningText(onlyEmpty).contains(QStringLiteral("Numbers outside the game's range: 0")));
}
