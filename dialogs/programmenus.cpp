#include "dialogs/programmenus.h"

#include "app/resstrings.h"
#include "dialogs/controlnames.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

void ProgramMenus::createMenus(QMenuBar *bar)
{
    mnuFile = bar->addMenu(QStringLiteral("File"));
    mnuFilePrintTicket = mnuFile->addAction(QStringLiteral("Print"));
    mnuFileSep1 = mnuFile->addSeparator();
    mnuLanguage = mnuFile->addMenu(QStringLiteral("Language"));
    mnuLanguageEnglish = mnuLanguage->addAction(QStringLiteral("English"));
    mnuLanguageFrench = mnuLanguage->addAction(QStringLiteral("Français"));
    mnuLanguageTurkish = mnuLanguage->addAction(QStringLiteral("Turkce"));
    for (QAction *item : {mnuLanguageEnglish, mnuLanguageFrench, mnuLanguageTurkish})
        item->setCheckable(true);
    mnuLanguageEnglish->setChecked(true);
    mnuFileSep2 = mnuFile->addSeparator();
    mnuFileExit = mnuFile->addAction(QStringLiteral("Exit"));

    mnuTicket = bar->addMenu(QStringLiteral("Ticket"));
    mnuTicketLoad = mnuTicket->addAction(QStringLiteral("Load"));
    mnuTicketSave = mnuTicket->addAction(QStringLiteral("Save"));
    mnuTicketDelete = mnuTicket->addAction(QStringLiteral("Delete"));

    mnuLottery = bar->addMenu(QStringLiteral("Lottery"));
    mnuLotteryLoad = mnuLottery->addAction(QStringLiteral("Load"));
    mnuLotteryManage = mnuLottery->addAction(QStringLiteral("Manage"));

    mnuHelp = bar->addMenu(QStringLiteral("Help"));
    mnuHelpContents = mnuHelp->addAction(QStringLiteral("TALVINOR Help"));
    mnuHelpSep = mnuHelp->addSeparator();
    mnuHelpAbout = mnuHelp->addAction(QStringLiteral("About..."));

    nameControls({{mnuFile, "mnuFile"}, {mnuFilePrintTicket, "mnuFilePrintTicket"}, {mnuFileSep1, "mnuFileSep1"},
                  {mnuLanguage, "mnuLanguage"}, {mnuLanguageEnglish, "mnuLanguageEnglish"},
                  {mnuLanguageFrench, "mnuLanguageFrench"}, {mnuLanguageTurkish, "mnuLanguageTurkish"},
                  {mnuFileSep2, "mnuFileSep2"}, {mnuFileExit, "mnuFileExit"}, {mnuTicket, "mnuTicket"},
                  {mnuTicketLoad, "mnuTicketLoad"}, {mnuTicketSave, "mnuTicketSave"},
                  {mnuTicketDelete, "mnuTicketDelete"}, {mnuLottery, "mnuLottery"},
                  {mnuLotteryLoad, "mnuLotteryLoad"}, {mnuLotteryManage, "mnuLotteryManage"}, {mnuHelp, "mnuHelp"},
                  {mnuHelpContents, "mnuHelpContents"}, {mnuHelpSep, "mnuHelpSep"}, {mnuHelpAbout, "mnuHelpAbout"}});
}

void ProgramMenus::captionMenus(const std::function<QString(int)> &text)
{
    struct Row {
        QAction *item;
        int id;
        bool fixedId;
    };
    const Row rows[] = {
        {mnuFile->menuAction(), 21000, false},     {mnuFilePrintTicket, 21020, false},
        {mnuLanguage->menuAction(), 21090, false}, {mnuLanguageEnglish, 21101, true},
        {mnuLanguageFrench, 21102, true},          {mnuLanguageTurkish, 21104, true},
        {mnuFileExit, 21080, false},               {mnuTicket->menuAction(), 22000, false},
        {mnuTicketLoad, 21040, false},             {mnuTicketSave, 21050, false},
        {mnuTicketDelete, 21060, false},           {mnuLottery->menuAction(), 22010, false},
        {mnuLotteryLoad, 21040, false},            {mnuLotteryManage, 22020, false},
        {mnuHelp->menuAction(), 24000, false},     {mnuHelpContents, 24020, false},
        {mnuHelpAbout, 24030, false},
    };
    for (const Row &row : rows)
        row.item->setText(row.fixedId ? resources::text(row.id) : text(row.id));
}

void ProgramMenus::tickLanguageItem(int32_t language)
{
    QAction *chosen = language == 1 ? mnuLanguageTurkish : language == 3 ? mnuLanguageFrench : mnuLanguageEnglish;
    for (QAction *item : {mnuLanguageEnglish, mnuLanguageFrench, mnuLanguageTurkish})
        item->setChecked(item == chosen);
}

bool ProgramMenus::chooseStoredLanguage(int32_t language)
{
    QAction *item = language == 1   ? mnuLanguageTurkish
                    : language == 2 ? mnuLanguageEnglish
                    : language == 3 ? mnuLanguageFrench
                                    : nullptr;
    if (!item)
        return false;
    item->trigger();
    return true;
}
