#pragma once
// The start window: in front whenever no board is open. It carries the boards' menu bar with only
// the commands that need no board enabled (File > Language and Exit, Lottery > Load, Help), a
// status line that tells the user what to do or what is loading, and a status bar. It sizes itself
// to the screen.

#include "dialogs/programmenus.h"
#include "platform/ui/controls.h"
#include "platform/ui/screen.h"

#include <QMainWindow>
#include <optional>

class QAction;
class QMenu;
class QStatusBar;

class frmStart : public QMainWindow, public ProgramMenus {
public:
    frmStart();

    VbLabel *lblStatus = nullptr;
    QStatusBar *staMain = nullptr;
    VbShape *shpPowerPanel = nullptr;
    VbLine *Line4 = nullptr;

    void subApplyFormColours();
    // Captions of the window, the status line and the menus in the current language.
    void subSetLanguageCaptions();

    void mnuHelpAbout_Click();
    void mnuFileExit_Click();
    void mnuLotteryLoad_Click();
    void mnuHelpContents_Click();
    void mnuLanguageEnglish_Click();
    void mnuLanguageFrench_Click();
    void mnuLanguageTurkish_Click();

    // Puts fixed screen metrics in place of the real screen's for the windows loaded afterwards
    // (std::nullopt gives the real screen back).
    static void setScreenMetricsOverride(std::optional<ScreenMetrics> metrics);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void applyLanguage(int32_t digit);
    void buildMenus();
    void layoutClientArea();
    void placeStatusLine();

    QWidget *client_ = nullptr;
    // The status line: the lottery's name (when one is loading) and the text after it.
    QString statusName_;
    QString statusText_;
};
