// The start window, the column progress dialog, and every window's texts: they fit their widgets
// in the three languages (measured, not photographed: each text is laid out under its widget's
// font at its widget's width), and Qt's own texts follow the interface language.

#include "analysis/openlottery.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "app/uilanguage.h"
#include "dialogs/driving.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmcolumnprogress.h"
#include "dialogs/frmdatepicker.h"
#include "dialogs/frmfilemanager.h"
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
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

namespace {

QAction *item(frmStart *start, const char *name) { return named<QAction>(start, name); }
QString status(frmStart *start) { return named<VbLabel>(start, "lblStatus")->caption(); }
frmStart *loadStartWindow()
{
    unloadStartWindow();
    return DefaultInstance<frmStart>::get();
}

// A run that adds one column per time slice.
struct OneByOne : IColumnRun {
    // A run keeping `kept` columns of a ticket of six positions and asking for `asked` new ones.
    OneByOne(int32_t kept, int32_t asked) : before(kept), target(asked)
    {
        ticket = TicketGrid(1, 6);
        ticket.resizeRows(kept);
    }
    RunStatus runFor(std::chrono::nanoseconds) override
    {
        const int row = before + ++made;
        ticket.resizeRows(row);
        ticket.row(row)[0] = 1;
        return made >= target ? RunStatus::TargetReached : RunStatus::Running;
    }
    int32_t columnsBefore() const override { return before; }
    int32_t columnsTarget() const override { return target; }
    int32_t columnsMade() const override { return made; }

    TicketGrid ticket;
    int32_t before = 0;
    int32_t target = 0;
    int32_t made = 0;
};

std::string problems(const QWidget *window) { return clippedTexts(window).join(u'\n').toStdString(); }

// Shows a real message box (no answering hook) and hands it to `inspect` before closing it.
void inspectMessageBox(const QString &text, int style, const std::function<void(QMessageBox *)> &inspect)
{
    whenModal<QMessageBox>([&](QMessageBox *box) {
        inspect(box);
        box->buttons().constFirst()->click();
    });
    vbMsgBox(nullptr, text, style, QStringLiteral("TALVINOR"));
}

const QString kTicketFolder = QStringLiteral("/home/a-rather-long-user-name/Documents/Lottery programs/TALVINOR/SavedTickets/");

}  // namespace

// The stored language ticks its item and captions every menu; a choice from the menu does so at
// once. German has no item: English stays ticked and the texts fall back to English. The status
// line tells what to do, which lottery is loading, or nothing while the manager is open. File >
// Exit and the title bar's close end the program (the window does not close on its own) and
// release the services.
TEST(StartWindow, LanguageMenusTheStatusLineAndExit)
{
    app().glngLanguage = 3;
    frmStart *start = loadStartWindow();
    const auto state = [&] {
        return std::tuple(app().glngLanguage, item(start, "mnuLanguageTurkish")->isChecked(), item(start, "mnuLanguageEnglish")->isChecked(),
                          item(start, "mnuLanguageFrench")->isChecked(), named<QMenu>(start, "mnuFile")->title(),
                          item(start, "mnuLotteryLoad")->text(), item(start, "mnuLanguageTurkish")->text(), status(start));
    };
    EXPECT_EQ(state(), std::tuple(3, false, false, true, "Fichier", "Charger", "Turkce", res(30130)));
    item(start, "mnuLanguageTurkish")->trigger();
    EXPECT_EQ(state(), std::tuple(1, true, false, false, "Dosya", "Yükle", "Turkce", res(30130)));
    item(start, "mnuLanguageFrench")->trigger();
    EXPECT_EQ(state(), std::tuple(3, false, false, true, "Fichier", "Charger", "Turkce", res(30130)));
    item(start, "mnuLanguageEnglish")->trigger();
    item(start, "mnuLanguageEnglish")->trigger();  // choosing the ticked language keeps it ticked
    EXPECT_EQ(state(), std::tuple(2, false, true, false, "File", "Load", "Turkce", res(30130)));
    app().glngLanguage = 4;
    app().gstrLastLotteryDbFile = QStringLiteral("Lotto.mdb");
    start = loadStartWindow();
    EXPECT_EQ(state(), std::tuple(4, false, true, false, "File", "Load", "Turkce", "Lotto" + res(30140)));
    app().gblnLotteryManagerOpen = true;
    EXPECT_EQ(status(loadStartWindow()), QString());
    app().gblnLotteryManagerOpen = false;
    app().gstrLastLotteryDbFile.clear();
    bool about = false;
    whenModal<frmAbout>([&](frmAbout *dialog) {
        about = true;
        dialog->accept();
    });
    item(start, "mnuHelpAbout")->trigger();
    EXPECT_TRUE(about) << "Help > About shows the About box";
    DefaultInstance<frmAbout>::unload();
    for (const bool exit : {true, false}) {
        app().createServiceObjects();
        start = loadStartWindow();
        start->show();
        QTimer::singleShot(0, qApp, [&] { exit ? item(start, "mnuFileExit")->trigger() : void(start->close()); });
        QTimer late;  // the program did not end
        QObject::connect(&late, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        late.start(5000);
        EXPECT_EQ(QCoreApplication::exec(), 0) << exit;
        EXPECT_TRUE(app().gobjRegistry == nullptr && start->isVisible());
    }
    unloadStartWindow();
    app().glngLanguage = 2;
}

// Near the limit a run makes only what the ticket can hold; the bar of the columns kept stays
// within its track and their count clear of the total. STOP and Escape end a run keeping every
// complete column.
TEST(ColumnProgress, TheTotalNeverPassesTheTicketLimitAndStopKeepsEveryCompleteColumn)
{
    using Progress = DefaultInstance<frmColumnProgress>;
    OneByOne run(31990, cappedColumnsTarget(31990, 50));
    frmColumnProgress *dialog = Progress::get();
    EXPECT_EQ(dialog->Display(run), frmColumnProgress::Outcome::TargetReached);
    EXPECT_EQ(std::tuple(shown(dialog, "lblTotalColumns"), run.ticket.rowCount(), Progress::exists()), std::tuple("32000", 32000, false));
    const QRect track = named(dialog, "shpBarTrack")->geometry(), kept = named(dialog, "shpExistingBar")->geometry();
    EXPECT_TRUE(track.contains(kept) && kept.width() >= track.width() - 2);
    EXPECT_FALSE(named(dialog, "lblExistingColumns")->geometry().intersects(named(dialog, "lblTotalColumns")->geometry()));
    for (const bool escape : {false, true}) {
        OneByOne stopped(2, 30000);
        QTimer::singleShot(50, [escape] {
            showActive(Progress::existing());
            escape ? pressKey(Qt::Key_Escape) : click(Progress::existing(), "cmdStop");
        });
        EXPECT_EQ(Progress::get()->Display(stopped), frmColumnProgress::Outcome::Stopped);
        EXPECT_TRUE(stopped.made > 0 && stopped.ticket.rowCount() == 2 + stopped.made && !Progress::exists());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The legend under the bar in each language: every caption reads whole beside its own square,
// ending before the next square (the last before STOP), so no caption runs into the next.
TEST(ColumnProgress, TheLegendReadsWholeInEveryLanguage)
{
    using Progress = DefaultInstance<frmColumnProgress>;
    struct Unending : OneByOne {  // a run that finds no column until STOP
        using OneByOne::OneByOne;
        RunStatus runFor(std::chrono::nanoseconds) override { return RunStatus::Running; }
    };
    const QStringList written[] = {{"Mevcut kolonlar", "Eklenen yeni kolonlar", "Toplam kolon", "DUR"},
                                   {"Existing columns", "New columns adding", "Total columns", "STOP"},
                                   {"Colonnes existantes", "Colonnes ajoutées", "Total des colonnes", "ARRÊT"}};
    for (int language : {1, 2, 3}) {
        SCOPED_TRACE(language);
        app().glngLanguage = language;
        Unending run(3, 300);
        QTimer::singleShot(50, [&] {
            frmColumnProgress *dialog = Progress::existing();
            showActive(dialog);
            QStringList texts;
            for (int i = 0; i < 3; ++i)
                texts << shown(dialog, QStringLiteral("lblColumnCaption(%1)").arg(i));
            EXPECT_EQ(texts << shown(dialog, "cmdStop"), written[language - 1]);
            EXPECT_EQ(problems(dialog), "");
            for (int i = 0; i < 3; ++i) {
                const auto *caption = named<QLabel>(dialog, QStringLiteral("lblColumnCaption(%1)").arg(i));
                const QWidget *next = i < 2 ? named(dialog, QStringLiteral("shpLegend(%1)").arg(i + 1)) : named(dialog, "cmdStop");
                const int textEnd = caption->mapTo(dialog, caption->contentsRect().topLeft()).x()
                                    + QFontMetrics(caption->font()).horizontalAdvance(caption->text());
                EXPECT_LT(textEnd, next->mapTo(dialog, QPoint(0, 0)).x()) << caption->text().toStdString();
            }
            click(dialog, "cmdStop");
        });
        EXPECT_EQ(Progress::get()->Display(run), frmColumnProgress::Outcome::Stopped);
    }
    app().glngLanguage = 2;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The start window on both screen sizes with a lottery name that needs several lines, with
// blanks and without; the About box, each caption on one line beside its value; the lottery
// manager of each game with the widest numbers and dates of each locale, and its date picker,
// whose calendar names months and days in the interface language.
TEST(WindowTexts, EveryWindowInEveryLanguage)
{
    const QString longName = QStringLiteral(
        "Lotto 6 aus 49 Mittwoch und Samstag mit Superzahl und Zusatzzahl alle Ziehungen seit dem Jahr 1955 bis heute.mdb");
    const QLocale saved;
    // A few words of each window written out, so that a wrong entry of the string table shows: the
    // About box, the lottery manager (title, DELETE), the file dialog.
    const QStringList written[] = {{"Telif Hakkı:", "Piyango Yönetimi", "SİL", "DOSYA YÖNETİMİ"},
                                   {"Copyright Notice:", "Lottery Management", "DELETE", "FILE MANAGEMENT"},
                                   {"Droits d'auteur :", "Gestion de la loterie", "SUPPRIMER", "GESTION DES FICHIERS"}};
    for (int language : {1, 2, 3}) {
        app().glngLanguage = language;
        for (int width : {1024, 1280}) {
            for (const QString &last : {longName, QString(longName).remove(u' ')}) {
                app().gstrLastLotteryDbFile = last;
                frmStart::setScreenMetricsOverride(ScreenMetrics{width, QRect(0, 0, width, 768), QRect(0, 0, width, 740)});
                DefaultInstance<frmStart>::get()->show();
                QCoreApplication::processEvents();
                EXPECT_EQ(problems(DefaultInstance<frmStart>::get()), "") << language << " " << width << " " << last.toStdString();
                unloadStartWindow();
            }
        }
        frmAbout *about = DefaultInstance<frmAbout>::get();
        EXPECT_EQ(shown(about, "lblCaption(0)"), written[language - 1][0]);
        about->show();
        EXPECT_EQ(problems(about), "") << language;
        DefaultInstance<frmAbout>::unload();
        for (const char *localeName : {"C", "en_US", "tr_TR", "fr_FR"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(localeName)));
            for (const QString &lottery : {SampleWorld::kLotto, SampleWorld::kTwoDrum, SampleWorld::kPick3}) {
                SampleWorld world;
                app().glngLanguage = language;
                world.open(lottery);
                app().gblnLotteryManagerOpen = true;
                frmLotteryManager *manager = DefaultInstance<frmLotteryManager>::get();
                manager->load(currentBoard()->openLottery());
                const QString files = DefaultInstance<frmFileManager>::get()->windowTitle();
                EXPECT_EQ((QStringList{manager->windowTitle(), shown(manager, "cmdDelete"), files}), written[language - 1].mid(1));
                DefaultInstance<frmFileManager>::unload();
                named<QLineEdit>(manager, "txtNewDate")->setText(shown(manager, "txtLastDate"));
                for (int i = 1; i <= 8; ++i)
                    named<QLineEdit>(manager, QStringLiteral("txtNewNumber(%1)").arg(i))->setText(QStringLiteral("56"));
                manager->show();
                EXPECT_EQ(problems(manager), "") << localeName << " " << language << " " << lottery.toStdString();
                frmDatePicker *picker = DefaultInstance<frmDatePicker>::get();
                picker->show();
                EXPECT_EQ(problems(picker), "") << localeName << " " << language;
                const QLocale::Language spoken[] = {QLocale::Turkish, QLocale::English, QLocale::French};
                EXPECT_EQ(named(picker, "calDrawingDate")->locale().language(), spoken[language - 1]);
            }
        }
        QLocale::setDefault(saved);
    }
    deleteUnloadedWindows();
    frmStart::setScreenMetricsOverride(std::nullopt);
    app().gstrLastLotteryDbFile.clear();
}

// Qt's own texts (the standard buttons of message boxes, the context menu of text boxes) follow
// each choice of the Language menus. Long messages wrap within their box and never right after
// the leading "/" of a path, whose start is kept whole at any width; a long name may break
// anywhere, but not inside a character, and a ticket's name of 199 letters wraps within its box.
TEST(WindowTexts, QtsOwnTextsFollowTheLanguageAndMessagesWrapWithinTheirBox)
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
    };
    for (const auto &c : cases) {
        named<QAction>(start, c.item)->trigger();
        EXPECT_EQ(VbTextBox().createStandardContextMenu()->actions().constFirst()->text().remove(u'&').section(u'\t', 0, 0), c.undo);
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
        const QString longName(199, u'n');  // as long as a ticket's name may be
        QStringList messages{res(47070), res(30140), res(49560), res(40360) + longName + res(40370),
                             res(49000).arg(kTicketFolder + longName + QStringLiteral("SM01"), res(49140))};
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
    unloadStartWindow();
    app().glngLanguage = 2;
    subApplyQtTranslations();
    const QString text = QStringLiteral("Check that the folder ") + kTicketFolder + QStringLiteral(" exists (or /tmp).");
    const QString kept = fncKeepPathStartsWhole(text);
    EXPECT_EQ(std::pair(QString(kept).remove(QChar(0x2060)), kept.count(QChar(0x2060))), std::pair(text, qsizetype(2)));
    EXPECT_EQ(fncKeepPathStartsWhole(QStringLiteral("a/b 1 / 2 /")), QStringLiteral("a/b 1 / 2 /"));
    for (int width = 40; width <= 600; width += 7)
        for (const QString &line : wrappedLines(kept, QFont(), width))
            ASSERT_FALSE(line.endsWith(u'/') && (line.size() == 1 || line.at(line.size() - 2).isSpace())) << width;
    const QString name = QStringLiteral("Lotto\U0001F340Şans"), breakable = fncBreakableAnywhere(name);
    EXPECT_EQ(std::pair(QString(breakable).remove(QChar(0x200B)), breakable.count(QChar(0x200B))), std::pair(name, qsizetype(9)));
}
