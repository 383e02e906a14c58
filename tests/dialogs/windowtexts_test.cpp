// Every window's texts fit their widgets in the three languages, and Qt's own texts follow the
// interface language. The texts are measured, not photographed: each is laid out under its
// widget's font at its widget's width.

#include "analysis/clslotterydb.h"
#include "app/globals.h"
#include "app/resstrings.h"
#include "app/services.h"
#include "app/uilanguage.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmdatepicker.h"
#include "dialogs/frmlotterymanager.h"
#include "dialogs/frmstart.h"
#include "dialogs/startwindow.h"
#include "platform/linebreaks.h"
#include "platform/twips.h"
#include "platform/ui/forms.h"
#include "platform/ui/msgbox.h"
#include "support/modal.h"
#include "support/sampleworld.h"
#include "support/textfit.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <memory>
#include <gtest/gtest.h>

namespace {

constexpr int kLanguages[] = {1, 2, 3};

std::string problems(const QStringList &list) { return list.join(QStringLiteral("\n")).toStdString(); }

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
        gblnLotteryManagerOpen = false;
        useLanguage(2);
    }
};

// The texts of each standard button of a shown message box, without their shortcut marks.
QStringList buttonTexts(QMessageBox *box)
{
    QStringList texts;
    for (QAbstractButton *button : box->buttons())
        texts << button->text().remove(u'&');
    texts.sort();
    return texts;
}

// Shows a real message box (no answering hook) and hands it to `inspect` before closing it.
void inspectMessageBox(const QString &text, int style, const std::function<void(QMessageBox *)> &inspect)
{
    bool shown = false;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        shown = true;
        inspect(box);
        box->buttons().constFirst()->click();
    });
    vbMsgBox(nullptr, text, style, QStringLiteral("TALVINOR"));
    EXPECT_TRUE(shown);
}

// The long path of a ticket folder, as the read-only save message names it.
const QString kTicketFolder = QStringLiteral("/home/a-rather-long-user-name/Documents/Lottery programs/TALVINOR/SavedTickets/");

}  // namespace

TEST_F(WindowTexts, StartWindowInEveryLanguageOnBothScreenSizes)
{
    // A name long enough to need several lines of the status line.
    const QString longName = QStringLiteral(
        "Lotto 6 aus 49 Mittwoch und Samstag mit Superzahl und Zusatzzahl alle Ziehungen seit dem Jahr 1955 bis heute.mdb");
    for (int language : kLanguages) {
        for (int screenWidth : {1024, 1280}) {
            for (const QString &last : {QString(), QStringLiteral("Lotto.mdb"), longName, QString(longName).remove(u' ')}) {
                SCOPED_TRACE(QStringLiteral("language %1, screen %2, %3").arg(language).arg(screenWidth).arg(last).toStdString());
                useLanguage(language);
                gstrLastLotteryDbFile = last;
                frmStart::setScreenMetricsOverride(
                    ScreenMetrics{screenWidth, QRect(0, 0, screenWidth, 768), QRect(0, 0, screenWidth, 740)});
                frmStart *start = DefaultInstance<frmStart>::get();
                start->show();
                QCoreApplication::processEvents();
                EXPECT_EQ(problems(clippedTexts(start)), "");
                unloadStartWindow();
                deleteUnloadedWindows();
            }
        }
    }
}

TEST_F(WindowTexts, AboutBoxInEveryLanguage)
{
    for (int language : kLanguages) {
        SCOPED_TRACE(language);
        useLanguage(language);
        frmAbout *about = DefaultInstance<frmAbout>::get();
        about->show();
        EXPECT_EQ(problems(clippedTexts(about)), "");
        // Each caption stands on one line beside its value, within the rows' area.
        for (int row = 0; row < 4; ++row) {
            EXPECT_FALSE(about->lblCaption[row]->wordWrap());
            EXPECT_LE(about->lblCaption[row]->geometry().right(), about->lblProductName->geometry().left());
        }
        EXPECT_LE(about->lblComments->geometry().bottom(), twips::toPixels(3960));
        DefaultInstance<frmAbout>::unload();
        deleteUnloadedWindows();
    }
}

TEST_F(WindowTexts, LotteryManagerAndDatePickerInEveryLanguageAndLocale)
{
    const QLocale saved;
    for (const char *localeName : {"C", "en_US", "tr_TR", "fr_FR"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(localeName)));
        for (int language : kLanguages) {
            for (const QString &lottery : {SampleWorld::kLotto, SampleWorld::kTwoDrum, SampleWorld::kPick3}) {
                SCOPED_TRACE(QStringLiteral("%1, language %2, %3").arg(QString::fromLatin1(localeName)).arg(language).arg(lottery).toStdString());
                SampleWorld world;
                useLanguage(language);
                world.open(lottery);
                gblnLotteryManagerOpen = true;
                frmLotteryManager *manager = DefaultInstance<frmLotteryManager>::get();
                manager->txtNewDate->setText(manager->txtLastDate->text());
                for (int i = 1; i <= 8; ++i)
                    manager->txtNewNumber[i]->setText(QStringLiteral("56"));
                manager->show();
                EXPECT_EQ(problems(clippedTexts(manager)), "");

                frmDatePicker *picker = DefaultInstance<frmDatePicker>::get();
                picker->show();
                EXPECT_EQ(picker->calDrawingDate->locale().language(), fncInterfaceLocale().language());
                EXPECT_EQ(problems(clippedTexts(picker)), "");
            }
            useLanguage(2);
        }
    }
    QLocale::setDefault(saved);
}

TEST_F(WindowTexts, StandardButtonsFollowTheLanguageMenus)
{
    gstrLastLotteryDbFile.clear();
    frmStart::setScreenMetricsOverride(ScreenMetrics{1280, QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 1000)});
    frmStart *start = DefaultInstance<frmStart>::get();
    struct Case {
        std::function<void()> choose;
        QStringList okCancel, yesNo;
        QString undo;  // the first item of a text box's context menu
    };
    const Case cases[] = {
        {[start] { start->mnuLanguageTurkish_Click(); }, {"Tamam", "İptal"}, {"Evet", "Hayır"}, "Geri al"},
        {[start] { start->mnuLanguageFrench_Click(); }, {"OK", "Annuler"}, {"Oui", "Non"}, "Annuler"},
        {[start] { start->mnuLanguageEnglish_Click(); }, {"OK", "Cancel"}, {"Yes", "No"}, "Undo"},
        {[start] { start->mnuLanguageTurkish_Click(); }, {"Tamam", "İptal"}, {"Evet", "Hayır"}, "Geri al"},
    };
    for (const Case &c : cases) {
        c.choose();
        VbTextBox box;
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        ASSERT_FALSE(menu->actions().isEmpty());
        EXPECT_EQ(menu->actions().constFirst()->text().remove(u'&').section(u'\t', 0, 0), c.undo);
        QStringList okCancel = c.okCancel, yesNo = c.yesNo;
        okCancel.sort();
        yesNo.sort();
        inspectMessageBox(QStringLiteral("?"), msgbox::kOkCancelQuestion,
                          [&](QMessageBox *box) { EXPECT_EQ(buttonTexts(box), okCancel); });
        inspectMessageBox(QStringLiteral("?"), msgbox::kYesNoQuestionDefaultNo,
                          [&](QMessageBox *box) { EXPECT_EQ(buttonTexts(box), yesNo); });
        inspectMessageBox(QStringLiteral("!"), msgbox::kInformation, [&](QMessageBox *box) {
            EXPECT_EQ(buttonTexts(box), QStringList{okCancel.contains(QStringLiteral("Tamam")) ? "Tamam" : "OK"});
        });
    }
}

TEST_F(WindowTexts, MessagesWrapWithinTheirBoxAndNeverAfterAPathsLeadingSlash)
{
    for (int language : kLanguages) {
        useLanguage(language);
        QStringList messages{res(47070), res(30140)};
        // Ticket names of several lengths move the folder's path along the lines.
        for (int length = 1; length <= 31; length += 3) {
            messages << res(48000).arg(QString(length, u'T'), kTicketFolder);
            messages << res(48010).arg(QString(length, u'T'), kTicketFolder);
        }
        for (const QString &message : messages) {
            SCOPED_TRACE(message.toStdString());
            inspectMessageBox(message, msgbox::kInformation, [&](QMessageBox *box) {
                EXPECT_EQ(problems(clippedTexts(box)), "");
                const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
                ASSERT_NE(label, nullptr);
                EXPECT_TRUE(label->wordWrap());
                for (const QString &line : wrappedLines(label->text(), label->font(), label->contentsRect().width()))
                    EXPECT_FALSE(line.trimmed() == u'/' || line.trimmed().endsWith(QStringLiteral(" /"))) << line.toStdString();
            });
        }
    }
}

TEST(LineBreaks, APathIsNeverBrokenAfterItsLeadingSlashAtAnyWidth)
{
    const QString text = QStringLiteral("Check that the folder ") + kTicketFolder + QStringLiteral(" exists (or /tmp).");
    const QString shown = fncKeepPathStartsWhole(text);
    // Nothing but the invisible joiners is added: after the "/" of each path, not inside it.
    EXPECT_EQ(QString(shown).remove(QChar(0x2060)), text);
    EXPECT_EQ(shown.count(QChar(0x2060)), 2);
    EXPECT_EQ(fncKeepPathStartsWhole(QStringLiteral("a/b 1 / 2 /")), QStringLiteral("a/b 1 / 2 /"));
    const QFont font;
    for (int width = 40; width <= 600; width += 7)
        for (const QString &line : wrappedLines(shown, font, width))
            ASSERT_FALSE(line.endsWith(u'/') && (line.size() == 1 || line.at(line.size() - 2).isSpace()))
                << width << ": " << line.toStdString();
}
