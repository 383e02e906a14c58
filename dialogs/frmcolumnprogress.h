#pragma once
// The column-generation progress dialog of DRAW. A board calls Display with the run that makes the
// columns, which knows the columns kept, the new columns asked for and those made so far. A timer
// drives the run a short time slice per tick and shows two bars: red for the columns already on
// the ticket, green for the columns made so far, with their counts and the total. STOP (also Esc
// and closing the window) ends the run, which keeps every complete column.

#include "analysis/generator.h"
#include "platform/ui/controls.h"

#include <QDialog>
#include <array>
#include <chrono>

class QTimer;

class frmColumnProgress : public QDialog {
    Q_OBJECT
public:
    enum class Outcome {
        TargetReached,  // every column asked for was made
        Stopped,        // STOP, Esc or the window's close
        GaveUp,         // the run found no new column for too long (the board says so)
    };

    // How long each timer tick lets the run work before the dialog repaints and takes input.
    static constexpr std::chrono::milliseconds kTickBudget{5};

    frmColumnProgress();

    // Puts the dialog on top, loads it for the current generation state and shows it modally until
    // the run ends. Use it through the default instance: DefaultInstance<frmColumnProgress>::get().
    Outcome Display(IColumnRun &run);

    // With this on, Display runs the whole generation at once without showing the dialog (for tests
    // of the boards); ticks, STOP rules and the unload are the same.
    static void setSynchronousDisplay(bool on);

    void tmrAddColumns_Timer();
    void cmdStop_Click();

    VbFrame *fraColumns;
    VbShape *shpBarTrack;
    VbShape *shpExistingBar;
    VbShape *shpAddedBar;
    VbLabel *lblExistingColumns;
    VbLabel *lblAddedColumns;
    VbLabel *lblTotalColumns;
    std::array<VbLabel *, 3> lblColumnCaption;
    std::array<VbShape *, 3> shpLegend;
    VbLine *Line1;
    VbButton *cmdStop;
    QTimer *tmrAddColumns;

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void subSetLanguageCaptions();
    void subDragWindow();
    void finish(Outcome outcome);

    IColumnRun *run_ = nullptr;
    Outcome outcome_ = Outcome::Stopped;
    bool running_ = false;
};
