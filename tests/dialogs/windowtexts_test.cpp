// Every window's texts fit their widgets in the three languages, and Qt's own texts follow the
// interface language. The texts are measured, not photographed: each is laid out under its
// widget's font at its widget's width.

#include "analysis/clslotterydb.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/uilanguage.h"
#include "dialogs/driving.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmdatepicker.h"
#include "dialogs/frmlotterymanager.h"
#include "dialogs/frmstart.h"
#include "dialogs/startwindow.h"
#include "platform/linebreaks.h"
#include "platform/ui/forms.h"
#include "platform/ui/msgbox.h"
#include "support/modal.h"
#include "support/sampleworld.h"
#include "support/textfit.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>

namespace {

constexpr int kLanguages[] = {1, 2, 3};

std::string problems(const QWidget *window) { return clippedTexts(window).join(u'\n').toStdString(); }

// Puts the interface language in place as the Language menus do, Qt's texts included.
void useLanguage(int language)
{
    glngLanguage = language;
    subApplyQtTranslations();
}

class WindowTexts : public ::testing::Test {
protected:
    void TearDown() override
    {
        DefaultInstance<frmAbout>::unload();
        unloadStartWindow();
        deleteUnloadedWindows();
        frmStart::setScreenMetricsOverride(std::nullopt);
        gstrLastLotteryDbFile.clear();
        useLanguage(2);
    }
};

// Shows a real message box (no answering hook) and hands it to `inspect` before closing it.
void inspectMessageBox(const QString &text, int style, const std::function<void(QMessageBox *)> &inspect)
{
    whenModal<QMessageBox>([&](QMessageBox *box) {
        inspect(box);
        box->buttons().constFirst()->click();
    });
    vbMsgBox(nullptr, text, style, QStringLiteral("TALVINOR"));
}

// The long path of a ticket folder, as the read-only save message names it.
const QString kTicketFolder = QStringLiteral("/home/a-rather-long-user-name/Documents/Lottery programs/TALVINOR/SavedTickets/");

}  // namespace

TEST_F(WindowTexts, StartWindowAndAboutBoxInEveryLanguageOnBothScreenSizes)
{
    // A name long enough to need several lines of the status line, with blanks and without.
    const QString longName = QStringLiteral(
        "Lotto 6 aus 49 Mittwoch und Samstag mit Superzahl und Zusatzzahl alle Ziehungen seit dem Jahr 1955 bis heute.mdb");
    for (int language : kLanguages) {
        useLanguage(language);
        for (int width : {1024, 1280}) {
            for (const QString &last : {QString(), longName, QString(longName).remove(u' ')}) {
                SCOPED_TRACE(QStringLiteral("language %1, screen %2, %3").arg(language).arg(width).arg(last).toStdString());
                gstrLastLotteryDbFile = last;
                frmStart::setScreenMetricsOverride(ScreenMetrics{width, QRect(0, 0, width, 768), QRect(0, 0, width, 740)});
                frmStart *start = DefaultInstance<frmStart>::get();
                start->show();
                QCoreApplication::processEvents();
                EXPECT_EQ(problems(start), "");
                unloadStartWindow();
                deleteUnloadedWindows();
            }
        }
        // Each caption of the About box stands on one line beside its value.
        frmAbout *about = DefaultInstance<frmAbout>::get();
        about->show();
        EXPECT_EQ(problems(about), "") << language;
        for (int row = 0; row < 4; ++row)
            EXPECT_LE(named(about, QStringLiteral("lblCaption(%1)").arg(row))->geometry().right(),
                      named(about, "lblProductName")->geometry().left());
        DefaultInstance<frmAbout>::unload();
    }
}

// The manager with the widest numbers and dates of each locale, and its date picker, whose
// calendar names months and days in the interface language.
TEST_F(WindowTexts, LotteryManagerAndDatePickerInEveryLanguageAndLocale)
{
    const QLocale saved;
    for (const char *localeName : {"C", "en_US", "tr_TR", "fr_FR"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(localeName)));
        for (int language : kLanguages) {
            for (const QString &lottery : {SampleWorld::kLotto, SampleWorld::kTwoDrum, SampleWorld::kPick3}) {
                SCOPED_TRACE(QStringLiteral("%1, language %2, %3").arg(localeName).arg(language).arg(lottery).toStdString());
                SampleWorld world;
                useLanguage(language);
                world.open(lottery);
                gblnLotteryManagerOpen = true;
                frmLotteryManager *manager = DefaultInstance<frmLotteryManager>::get();
                named<QLineEdit>(manager, "txtNewDate")->setText(named<QLineEdit>(manager, "txtLastDate")->text());
                for (int i = 1; i <= 8; ++i)
                    named<QLineEdit>(manager, QStringLiteral("txtNewNumber(%1)").arg(i))->setText(QStringLiteral("56"));
                manager->show();
                EXPECT_EQ(problems(manager), "");
                frmDatePicker *picker = DefaultInstance<frmDatePicker>::get();
                picker->show();
                EXPECT_EQ(problems(picker), "");
                const QLocale::Language spoken[] = {QLocale::Turkish, QLocale::English, QLocale::French};
                EXPECT_EQ(picker->calDrawingDate->locale().language(), spoken[language - 1]);
            }
        }
    }
    QLocale::setDefault(saved);
}

// Qt's own texts (the standard buttons of message boxes, the context menu of text boxes) follow
// each choice of the Language menus.
TEST_F(WindowTexts, StandardButtonsFollowTheLanguageMenus)
{
    frmStart *start = DefaultInstance<frmStart>::get();
    const struct {
        const char *item;
        QStringList okCancel, yesNo;
        QString undo;
    } cases[] = {
        {"mnuLanguageTurkish", {"Tamam", "İptal"}, {"Evet", "Hayır"}, "Geri al"},
        {"mnuLanguageFrench", {"OK", "Annuler"}, {"Oui", "Non"}, "Annuler"},
        {"mnuLanguageEnglish", {"OK", "Cancel"}, {"Yes", "No"}, "Undo"},
        {"mnuLanguageTurkish", {"Tamam", "İptal"}, {"Evet", "Hayır"}, "Geri al"},
    };
    for (const auto &c : cases) {
        named<QAction>(start, c.item)->trigger();
        VbTextBox box;
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        EXPECT_EQ(menu->actions().constFirst()->text().remove(u'&').section(u'\t', 0, 0), c.undo);
        for (const auto &[style, expected] : {std::pair{msgbox::kOkCancelQuestion, c.okCancel},
                                              {msgbox::kYesNoQuestionDefaultNo, c.yesNo},
                                              {msgbox::kInformation, c.okCancel.mid(0, 1)}}) {
            inspectMessageBox(QStringLiteral("?"), style, [&](QMessageBox *box) {
                QStringList texts;
                for (QAbstractButton *button : box->buttons())
                    texts << button->text().remove(u'&');
                EXPECT_EQ(QSet<QString>(texts.begin(), texts.end()), QSet<QString>(expected.begin(), expected.end()));
            });
        }
    }
}

// Long messages wrap within their box, and never right after the leading "/" of a path: the
// path's start is kept whole at any width. A long name may break anywhere, not inside a letter.
TEST_F(WindowTexts, MessagesWrapWithinTheirBoxAndNeverAfterAPathsLeadingSlash)
{
    for (int language : kLanguages) {
        useLanguage(language);
        QStringList messages{res(47070), res(30140)};
        for (int length = 1; length <= 31; length += 6)  // ticket names move the path along the lines
            messages << res(48000).arg(QString(length, u'T'), kTicketFolder) << res(48010).arg(QString(length, u'T'), kTicketFolder);
        for (const QString &message : messages) {
            inspectMessageBox(message, msgbox::kInformation, [&](QMessageBox *box) {
                EXPECT_EQ(problems(box), "") << message.toStdString();
                const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
                for (const QString &line : wrappedLines(label->text(), label->font(), label->contentsRect().width()))
                    EXPECT_FALSE(line.trimmed() == u'/' || line.trimmed().endsWith(QStringLiteral(" /"))) << line.toStdString();
            });
        }
    }
    const QString text = QStringLiteral("Check that the folder ") + kTicketFolder + QStringLiteral(" exists (or /tmp).");
    const QString shown = fncKeepPathStartsWhole(text);
    EXPECT_EQ(QString(shown).remove(QChar(0x2060)), text);  // only invisible joiners, after each path's "/"
    EXPECT_EQ(shown.count(QChar(0x2060)), 2);
    EXPECT_EQ(fncKeepPathStartsWhole(QStringLiteral("a/b 1 / 2 /")), QStringLiteral("a/b 1 / 2 /"));
    for (int width = 40; width <= 600; width += 7)
        for (const QString &line : wrappedLines(shown, QFont(), width))
            ASSERT_FALSE(line.endsWith(u'/') && (line.size() == 1 || line.at(line.size() - 2).isSpace())) << width;
    const QString name = QStringLiteral("Lotto\U0001F340Şans");
    const QString breakable = fncBreakableAnywhere(name);
    EXPECT_EQ(QString(breakable).remove(QChar(0x200B)), name);
    EXPECT_EQ(breakable.count(QChar(0x200B)), 9);  // between the ten characters, a pair of halves counting one
}
