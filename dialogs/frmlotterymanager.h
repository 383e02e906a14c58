#pragma once
// Lottery management: the modal dialog in which the user keeps the open lottery's results
// database up to date. It shows the last drawing (read-only), offers a row for the next drawing
// (its number, date and numbers), adds that drawing (ADD) or deletes the last one (DELETE), and
// on CLOSE (also Esc and the title bar's close) reopens the lottery, whose board the user left
// through Lottery > Manage. After an ADD or DELETE the dialog shows itself afresh, so both rows
// always show what the database holds.

#include "analysis/ballarray.h"
#include "analysis/openlottery.h"
#include "platform/ui/controls.h"
#include "platform/ui/ctlarray.h"

#include <QDate>
#include <QDialog>
#include <cstdint>
#include <memory>
#include <optional>

// The number of the drawing after `last` (1 when there is none yet); nothing when `last` is the
// highest number a drawing can have.
std::optional<int32_t> fncNextWeekNo(std::optional<int32_t> last);

class frmLotteryManager : public QDialog {
public:
    frmLotteryManager();

    VbLabel *lblLastWeekNo = nullptr;
    VbLabel *lblLastDate = nullptr;
    VbTextBox *txtLastWeekNo = nullptr;
    CtlArray<VbTextBox> txtLastNumber;  // 1..8
    VbTextBox *txtLastDate = nullptr;
    VbButton *cmdDelete = nullptr;
    VbLine *Line1 = nullptr;
    VbLabel *lblNewWeekNo = nullptr;
    VbLabel *lblNewDate = nullptr;
    VbTextBox *txtNewWeekNo = nullptr;
    CtlArray<VbTextBox> txtNewNumber;  // 1..8
    VbTextBox *txtNewDate = nullptr;
    VbButton *cmdPickDate = nullptr;
    VbButton *cmdAddDrawing = nullptr;
    VbLine *Line2 = nullptr;
    VbLabel *lblLotteryHeader = nullptr;
    VbButton *cmdClose = nullptr;
    VbButton *cmdHiddenFocus = nullptr;
    CtlArray<VbShape> shpBonusSeparator;        // 0 last row, 1 new row
    CtlArray<VbShape> shpSecondBonusSeparator;  // 0 last row, 1 new row

    // Fills the dialog for the lottery whose drawings it manages (the lottery the board just left),
    // with the focus in the first new-number box.
    void load(std::shared_ptr<OpenLottery> lottery);
    // Loads the dialog for the lottery, puts it on top and shows it modally until it closes.
    void Display(std::shared_ptr<OpenLottery> lottery);

    void subSetLanguageCaptions();
    void subArrangeDrawingBoxes();
    void cmdAddDrawing_Click();
    void cmdDelete_Click();
    void cmdClose_Click();
    void txtNewNumber_GotFocus(int index);
    void txtNewNumber_Change(int index);
    void txtNewNumber_LostFocus(int index);
    void txtNewNumber_KeyPress(int index, int &keyAscii);
    void txtNewDate_KeyPress(int &keyAscii);
    void subColourDateBox();
    void cmdPickDate_Click();
    void subFocusHiddenButton();

    // The lowest and highest number box i (1..8) takes: the digits on digit games, the second
    // drum's balls in the second-drum boxes of two-drum games, else the main drum's balls.
    std::pair<int32_t, int32_t> fncBoxRange(int index) const;

protected:
    void reject() override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void Form_Load();
    void showAfresh();
    // The trimmed text of a box as a whole number (digits only), or nothing.
    static std::optional<int32_t> boxNumber(const VbTextBox *box);
    QString managerMessage(int entry) const;
    int boxCount() const;

    const OpenLottery &lottery() const { return *lottery_; }

    std::shared_ptr<OpenLottery> lottery_;
    QString mstrSavedNumber;
    BallArray<int32_t> mvarLastDrawing;
    std::optional<int32_t> lastWeek_;
    QDate lastDate_;
    bool closing_ = false;
};
