#pragma once
// The menu bar of the start window and of the three boards: the same commands under the same
// names, captioned from the same strings.

#include <QString>
#include <cstdint>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

struct ProgramMenus {
    QMenu *mnuFile = nullptr;
    QAction *mnuFilePrintTicket = nullptr;
    QAction *mnuFileSep1 = nullptr;
    QMenu *mnuLanguage = nullptr;
    QAction *mnuLanguageEnglish = nullptr;
    QAction *mnuLanguageFrench = nullptr;
    QAction *mnuLanguageTurkish = nullptr;
    QAction *mnuFileSep2 = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuTicket = nullptr;
    QAction *mnuTicketLoad = nullptr;
    QAction *mnuTicketSave = nullptr;
    QAction *mnuTicketDelete = nullptr;
    QMenu *mnuLottery = nullptr;
    QAction *mnuLotteryLoad = nullptr;
    QAction *mnuLotteryManage = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpContents = nullptr;
    QAction *mnuHelpSep = nullptr;
    QAction *mnuHelpAbout = nullptr;

    // Builds the menus on the bar (English design captions, English ticked).
    void createMenus(QMenuBar *bar);
    // Captions every menu and item, the separators excepted: `text` gives the text of a base id
    // in the window's language; the three language items carry each language's own name (fixed
    // ids 21101, 21102, 21104), the same in every language.
    void captionMenus(const std::function<QString(int)> &text);
    // Ticks the language item of digit 1 (Turkish), 2 (English) or 3 (French) and unticks the
    // other two; another digit ticks English.
    void tickLanguageItem(int32_t language);
    // Applies a stored language through the window's own Language item, as a click on it does:
    // 1 Turkish, 2 English, 3 French. False for any other digit, which has no item.
    bool chooseStoredLanguage(int32_t language);
};
