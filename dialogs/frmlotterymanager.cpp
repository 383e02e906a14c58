#include "dialogs/frmlotterymanager.h"

#include "analysis/clslotterydb.h"
#include "analysis/openlottery.h"
#include "dialogs/lotteryswitch.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "app/uilanguage.h"
#include "app/clsrecordfile.h"
#include "platform/ui/clswindowontop.h"
#include "app/faulttext.h"
#include "dialogs/controlnames.h"
#include "dialogs/frmdatepicker.h"
#include "platform/dates.h"
#include "platform/twips.h"
#include "platform/ui/forms.h"
#include "platform/ui/msgbox.h"

#include <QMouseEvent>
#include <array>
#include <limits>
#include <set>

namespace {

constexpr uint32_t kValid = 0xC0FFFF;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kMarker = 0x0000C0;
// No drawing can follow the highest drawing number (string table).
constexpr int kNoHigherWeekMessage = 49040;

// A small filled circle centred in its box, above the box it marks: the markers of neighbouring
// boxes stand apart.
VbShape *makeMarker(QWidget *parent, int left, int top)
{
    VbShape *marker = placeControl<VbShape>(parent, left, top, 390, 120);
    marker->setKind(VbShape::Circle);
    marker->setFill(true, kMarker);
    marker->setBorder(false);
    marker->hide();
    return marker;
}

// The game codes whose drawings hold one or two numbers after the main numbers.
bool hasOneExtraNumber(const QString &code)
{
    static const QStringList codes{"510", "610", "710", "2P410", "2P510", "2P610", "2P710"};
    return codes.contains(code);
}

bool hasTwoExtraNumbers(const QString &code)
{
    static const QStringList codes{"620", "2P520", "2P620"};
    return codes.contains(code);
}

}  // namespace

frmLotteryManager::frmLotteryManager()
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFont(fncDialogFont());
    setClientSizeTwips(this, 7770, 2355);
    setFixedSize(size());

    lblLastWeekNo = placeControl<VbLabel>(this, 120, 120, 945, 255);
    lblLastDate = placeControl<VbLabel>(this, 4230, 120, 1140, 255);
    txtLastWeekNo = placeControl<VbTextBox>(this, 120, 360, 975, 285);
    for (int i = 1; i <= 8; ++i) {
        txtLastNumber.set(i, placeControl<VbTextBox>(this, 1200 + 360 * (i - 1), 360, 375, 285));
        txtLastNumber[i]->setEnabled(false);
    }
    txtLastDate = placeControl<VbTextBox>(this, 4215, 360, 1200, 285);
    cmdDelete = placeControl<VbButton>(this, 5900, 360, 1755, 375);
    Line1 = new VbLine(this);
    Line1->setPoints(120, 840, 7620, 840);

    lblNewWeekNo = placeControl<VbLabel>(this, 105, 960, 975, 255);
    lblNewDate = placeControl<VbLabel>(this, 4245, 960, 1140, 255);
    txtNewWeekNo = placeControl<VbTextBox>(this, 120, 1200, 975, 285);
    for (int i = 1; i <= 8; ++i)
        txtNewNumber.set(i, placeControl<VbTextBox>(this, i == 7 ? 3365 : 1200 + 360 * (i - 1), 1200, 375, 285));
    txtNewDate = placeControl<VbTextBox>(this, 4215, 1200, 1200, 285);
    txtNewDate->setBackColor(kWhite);
    cmdPickDate = placeControl<VbButton>(this, 5455, 1200, 300, 300);
    cmdPickDate->setCaption(QStringLiteral("..."));
    cmdAddDrawing = placeControl<VbButton>(this, 5900, 1200, 1755, 375);
    Line2 = new VbLine(this);
    Line2->setPoints(120, 1680, 7620, 1680);

    lblLotteryHeader = placeControl<VbLabel>(this, 120, 1860, 5295, 285);
    cmdHiddenFocus = placeControl<VbButton>(this, 6045, 1935, 1215, 210);
    cmdHiddenFocus->setFocusPolicy(Qt::NoFocus);
    cmdClose = placeControl<VbButton>(this, 5900, 1860, 1755, 375);
    cmdHiddenFocus->lower();

    shpBonusSeparator.set(0, makeMarker(this, 3355, 185));
    shpBonusSeparator.set(1, makeMarker(this, 3365, 1005));
    shpSecondBonusSeparator.set(0, makeMarker(this, 3715, 185));
    shpSecondBonusSeparator.set(1, makeMarker(this, 3715, 1005));

    nameControls({{lblLastWeekNo, "lblLastWeekNo"}, {lblLastDate, "lblLastDate"}, {txtLastWeekNo, "txtLastWeekNo"},
                  {txtLastDate, "txtLastDate"}, {cmdDelete, "cmdDelete"}, {Line1, "Line1"},
                  {lblNewWeekNo, "lblNewWeekNo"}, {lblNewDate, "lblNewDate"}, {txtNewWeekNo, "txtNewWeekNo"},
                  {txtNewDate, "txtNewDate"}, {cmdPickDate, "cmdPickDate"}, {cmdAddDrawing, "cmdAddDrawing"},
                  {Line2, "Line2"}, {lblLotteryHeader, "lblLotteryHeader"}, {cmdClose, "cmdClose"},
                  {cmdHiddenFocus, "cmdHiddenFocus"}});
    nameControlArray(txtLastNumber, "txtLastNumber");
    nameControlArray(txtNewNumber, "txtNewNumber");
    nameControlArray(shpBonusSeparator, "shpBonusSeparator");
    nameControlArray(shpSecondBonusSeparator, "shpSecondBonusSeparator");

    for (int i = 4; i <= 8; ++i) {
        txtLastNumber[i]->hide();
        txtNewNumber[i]->hide();
    }
    for (int i = 1; i <= 8; ++i) {
        VbTextBox *box = txtNewNumber[i];
        box->onGotFocus = [this, i] { txtNewNumber_GotFocus(i); };
        box->onChange = [this, i] { txtNewNumber_Change(i); };
        box->onLostFocus = [this, i] { txtNewNumber_LostFocus(i); };
        box->onKeyPress = [this, i](int &keyAscii) { txtNewNumber_KeyPress(i, keyAscii); };
    }
    txtNewDate->onKeyPress = [this](int &keyAscii) { txtNewDate_KeyPress(keyAscii); };
    txtNewDate->onChange = [this] { subColourDateBox(); };
    txtNewDate->onGotFocus = [this] { subColourDateBox(); };
    txtNewDate->onLostFocus = [this] { subColourDateBox(); };
    cmdPickDate->onClick = [this] { cmdPickDate_Click(); };
    cmdAddDrawing->onClick = [this] { cmdAddDrawing_Click(); };
    cmdDelete->onClick = [this] { cmdDelete_Click(); };
    cmdClose->onClick = [this] { cmdClose_Click(); };

    QWidget *previous = txtNewNumber[1];
    for (QWidget *next : std::initializer_list<QWidget *>{txtNewNumber[2], txtNewNumber[3], txtNewNumber[4],
                                                          txtNewNumber[5], txtNewNumber[6], txtNewNumber[7],
                                                          txtNewNumber[8], cmdPickDate, cmdAddDrawing, cmdClose,
                                                          txtNewDate}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

std::optional<int32_t> fncNextWeekNo(std::optional<int32_t> last)
{
    if (!last)
        return 1;
    if (*last >= std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return *last + 1;
}

void frmLotteryManager::Display(std::shared_ptr<OpenLottery> lottery)
{
    load(std::move(lottery));
    subPutOnTop(this);
    exec();
}

void frmLotteryManager::load(std::shared_ptr<OpenLottery> lottery)
{
    lottery_ = std::move(lottery);
    Form_Load();
    // The form opens with the focus in the first new-number box.
    txtNewNumber[1]->setFocus(Qt::OtherFocusReason);
}

void frmLotteryManager::Form_Load()
{
    subSetLanguageCaptions();
    subArrangeDrawingBoxes();
    DefaultInstance<frmDatePicker>::get();

    mvarLastDrawing = {};
    lastWeek_.reset();
    lastDate_ = {};
    const auto week = app().gobjLotteryDb ? app().gobjLotteryDb->fncGetMaxWeekNo() : DbValue<int32_t>::empty();
    const auto date = app().gobjLotteryDb ? app().gobjLotteryDb->fncGetMaxWeekDate() : DbValue<QDate>::empty();
    if (week.isEmpty() || date.isEmpty()) {
        // Nothing can be added or deleted on a database that cannot be read.
        cmdAddDrawing->setEnabled(false);
        cmdDelete->setEnabled(false);
        vbMsgBox(this, res(48070).arg(fncDatabaseFailureText()), msgbox::kInformation,
                 managerMessage(24));
    } else if (week.hasValue()) {
        lastWeek_ = week.value();
        lastDate_ = date.value();
    }
    txtLastWeekNo->setText(lastWeek_ ? QString::number(*lastWeek_) : QString());
    txtLastDate->setText(lastDate_.isValid() ? dates::toShortText(lastDate_) : QString());
    const auto next = fncNextWeekNo(lastWeek_);
    txtNewWeekNo->setText(next ? QString::number(*next) : QString());
    // Without a drawing there is nothing to delete; the first drawing gets the number 1.
    if (!lastWeek_)
        cmdDelete->setEnabled(false);
    txtLastWeekNo->setEnabled(false);
    txtNewWeekNo->setEnabled(false);
    txtLastDate->setEnabled(false);

    const bool digit = lottery().gLayout.digits();
    if (lastWeek_ && app().gobjLotteryDb) {
        const auto numbers = app().gobjLotteryDb->fncGetDrawingNumbers(*lastWeek_, lottery().gLayout);
        if (numbers)
            mvarLastDrawing = *numbers;
    }
    for (int i = 1; i <= boxCount(); ++i) {
        const int element = digit ? i - 1 : i;
        txtLastNumber[i]->setText(mvarLastDrawing.contains(element) ? QString::number(mvarLastDrawing[element])
                                                                    : QString());
        txtNewNumber[i]->setText(QString());
    }

    const qsizetype bracket = lottery().gstrGameTitle.indexOf(u'(');
    const QString game = bracket >= 0 ? lottery().gstrGameTitle.left(bracket) : lottery().gstrGameTitle;
    lblLotteryHeader->setCaption(lottery().gstrCountryName + QStringLiteral(" - ") + lottery().gstrLotteryName + QStringLiteral(" - ") + game);
}

void frmLotteryManager::subSetLanguageCaptions()
{
    setWindowTitle(res(31050));
    lblLastWeekNo->setCaption(res(26030));
    lblNewWeekNo->setCaption(res(26030));
    lblLastDate->setCaption(res(27110));
    lblNewDate->setCaption(res(27110));
    // The row captions keep their designed width and widen to a longer text into the free room
    // on their right.
    for (auto [label, width] : {std::pair{lblLastWeekNo, 945}, std::pair{lblNewWeekNo, 975},
                                std::pair{lblLastDate, 1140}, std::pair{lblNewDate, 1140}})
        label->setWidth(std::max(width, twips::fromPixels(label->sizeHint().width() + 1)));
    cmdDelete->setCaption(res(11100));
    cmdAddDrawing->setCaption(res(11040));
    cmdClose->setCaption(res(11180));
}

int frmLotteryManager::boxCount() const
{
    const int count = lottery().gLayout.positionCount();
    return std::clamp(count, 0, 8);
}

void frmLotteryManager::subArrangeDrawingBoxes()
{
    const auto back = static_cast<uint32_t>(app().glngBackColor);
    setWindowBackColor(this, back);
    for (VbLabel *label : {lblLastWeekNo, lblLastDate, lblNewWeekNo, lblNewDate})
        label->setBackColor(back);

    for (int i = 4; i <= boxCount(); ++i) {
        txtLastNumber[i]->show();
        txtNewNumber[i]->show();
    }
    if (lottery().gLayout.digits())
        return;

    const int k = lottery().glngPicks;
    const bool one = hasOneExtraNumber(lottery().gstrGameCode);
    const bool two = hasTwoExtraNumbers(lottery().gstrGameCode);
    if (!one && !two)
        return;
    for (int row = 0; row <= 1; ++row) {
        shpBonusSeparator[row]->hide();
        shpSecondBonusSeparator[row]->hide();
    }
    const auto mark = [](VbShape *marker, VbTextBox *box) {
        if (!box)
            return;
        marker->setLeft(box->Left());
        marker->show();
    };
    mark(shpBonusSeparator[0], txtLastNumber.at(k + 1));
    mark(shpBonusSeparator[1], txtNewNumber.at(k + 1));
    if (two) {
        mark(shpSecondBonusSeparator[0], txtLastNumber.at(k + 2));
        mark(shpSecondBonusSeparator[1], txtNewNumber.at(k + 2));
    }
}

std::pair<int32_t, int32_t> frmLotteryManager::fncBoxRange(int index) const
{
    if (lottery().gLayout.digits())
        return {0, 9};
    if (lottery().glngMaxBallBONUS > 0 && index > lottery().glngPicks)
        return {1, lottery().glngMaxBallBONUS};
    return {1, lottery().glngMaxBall};
}

std::optional<int32_t> frmLotteryManager::boxNumber(const VbTextBox *box)
{
    const QString text = box->text().trimmed();
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return text.toInt();
}

void frmLotteryManager::txtNewNumber_GotFocus(int index)
{
    VbTextBox *box = txtNewNumber[index];
    const auto [low, high] = fncBoxRange(index);
    if (const auto n = boxNumber(box); n && *n >= low && *n <= high)
        mstrSavedNumber = box->text().trimmed();
    box->setText(QString());
}

void frmLotteryManager::txtNewNumber_Change(int index)
{
    VbTextBox *box = txtNewNumber[index];
    const auto [low, high] = fncBoxRange(index);
    if (const auto n = boxNumber(box))
        box->setBackColor(*n >= low && *n <= high ? kValid : kWhite);
}

void frmLotteryManager::txtNewNumber_LostFocus(int index)
{
    VbTextBox *box = txtNewNumber[index];
    const auto [low, high] = fncBoxRange(index);
    const auto n = boxNumber(box);
    if (!n || *n < low || *n > high)
        box->setText(mstrSavedNumber);
    mstrSavedNumber.clear();
}

void frmLotteryManager::txtNewNumber_KeyPress(int, int &keyAscii)
{
    subFilterDialogKey(QStringLiteral("0123456789"), keyAscii);
}

void frmLotteryManager::txtNewDate_KeyPress(int &keyAscii) { subFilterDialogKey(QStringLiteral("0123456789/-."), keyAscii); }

void frmLotteryManager::subColourDateBox()
{
    const QString text = txtNewDate->text();
    txtNewDate->setBackColor(!text.isEmpty() && dates::fromShortText(text).isValid() ? kValid : kWhite);
}

void frmLotteryManager::cmdPickDate_Click()
{
    DefaultInstance<frmDatePicker>::get()->Display();
    subColourDateBox();
}

QString frmLotteryManager::managerMessage(int entry) const
{
    // The board's language routine fills the entries; without it they come from the strings.
    static const std::array<int, 7> bases{45010, 30410, 30420, 31010, 31020, 31030, 31040};
    if (entry < app().garrMessages.size() && !app().garrMessages[entry].isEmpty())
        return app().garrMessages[entry];
    return entry >= 24 && entry <= 30 ? res(bases[static_cast<size_t>(entry - 24)]) : QString();
}

void frmLotteryManager::cmdAddDrawing_Click()
{
    const QString title = managerMessage(24);
    const dates::TypedDate typed =
        dates::readTypedDate(txtNewDate->text(), dates::shortDateFormat(), QDate::currentDate().year());
    const QDate date = typed.date;
    if (!date.isValid()) {
        // A typed text that is no date says why before the picker offers one.
        if (const QString why = fncDateProblemText(txtNewDate->text(), typed, dates::shortDateFormat()); !why.isEmpty())
            vbMsgBox(this, why, msgbox::kInformation, title);
        txtNewDate->setFocus(Qt::OtherFocusReason);
        cmdPickDate_Click();
        return;
    }
    if (lastDate_.isValid() && lastDate_.daysTo(date) <= 0) {
        vbMsgBox(this, managerMessage(27), msgbox::kOkOnly, title);
        return;
    }

    std::array<int32_t, 8> numbers{};
    const int count = boxCount();
    for (int i = 1; i <= count; ++i) {
        const auto n = boxNumber(txtNewNumber[i]);
        if (!n) {
            vbMsgBox(this, managerMessage(25), msgbox::kInformation, title);
            return;
        }
        const auto [low, high] = fncBoxRange(i);
        if (*n < low || *n > high) {
            vbMsgBox(this, managerMessage(26), msgbox::kInformation, title);
            return;
        }
        numbers[static_cast<size_t>(i - 1)] = *n;
    }
    // A drum gives each ball once: the main numbers with the bonus numbers drawn from the same
    // drum, and the second drum's numbers among themselves. Digits may repeat.
    if (!lottery().gLayout.digits()) {
        const int lastMain = lottery().glngMaxBallBONUS > 0 ? lottery().glngPicks : count;
        const auto repeats = [&](int from, int to) {
            std::set<int32_t> seen;
            for (int i = from; i <= to; ++i)
                if (!seen.insert(numbers[static_cast<size_t>(i - 1)]).second)
                    return true;
            return false;
        };
        if (repeats(1, lastMain) || repeats(lastMain + 1, count)) {
            vbMsgBox(this, managerMessage(26), msgbox::kInformation, title);
            return;
        }
    }

    const auto next = fncNextWeekNo(lastWeek_);
    if (!next) {
        vbMsgBox(this, res(kNoHigherWeekMessage).arg(*lastWeek_), msgbox::kInformation, title);
        return;
    }
    const int32_t week = *next;
    if (!app().gobjLotteryDb || !app().gobjLotteryDb->subInsertDrawing(week, date, numbers, lottery().gLayout)) {
        vbMsgBox(this, res(48050).arg(fncDatabaseFailureText()), msgbox::kInformation, title);
        return;
    }
    showAfresh();
}

void frmLotteryManager::cmdDelete_Click()
{
    const QString title = managerMessage(24);
    if (!lastWeek_ || !app().gobjLotteryDb)
        return;
    if (vbMsgBox(this, managerMessage(28) + txtLastDate->text() + managerMessage(29), msgbox::kOkCancelQuestion, title)
        != msgbox::kOk)
        return;
    const int32_t week = *lastWeek_;
    const auto count = app().gobjLotteryDb->fncGetDrawingCount();
    if (count.isEmpty()) {
        vbMsgBox(this, res(48060).arg(fncDatabaseFailureText()), msgbox::kInformation, title);
        return;
    }
    // The last remaining drawing is never deleted: a lottery needs one to be worked.
    if (week <= 1 || !count.hasValue() || count.value() <= 1) {
        vbMsgBox(this, managerMessage(30), msgbox::kOkOnly, title);
        return;
    }
    if (!app().gobjLotteryDb->subDeleteDrawing(week)) {
        vbMsgBox(this, res(48060).arg(fncDatabaseFailureText()), msgbox::kInformation, title);
        return;
    }
    if (week <= lottery().glngReferenceWeek && app().gobjRecordFile) {
        // The deleted drawing lay within the analysis window kept in the lottery's settings.
        app().gobjRecordFile->subSelectRecordFile(QStringLiteral("forConfigXYZfile"), lottery());
        if (!app().gobjRecordFile->subRefreshBoardSettings(week))
            vbMsgBox(this, fncLotterySettingsNotSavedText(), msgbox::kOkOnly, title);
    }
    showAfresh();
}

void frmLotteryManager::showAfresh()
{
    std::shared_ptr<OpenLottery> lottery = lottery_;
    DefaultInstance<frmDatePicker>::unload();
    DefaultInstance<frmLotteryManager>::unload(this);
    DefaultInstance<frmLotteryManager>::get()->Display(std::move(lottery));
}

void frmLotteryManager::cmdClose_Click()
{
    if (closing_)
        return;
    closing_ = true;
    app().gblnLotteryManagerOpen = false;
    DefaultInstance<frmDatePicker>::unload();
    DefaultInstance<frmLotteryManager>::unload(this);
    subReopenCurrentLottery();
}

void frmLotteryManager::reject() { cmdClose_Click(); }

void frmLotteryManager::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    subFocusHiddenButton();
}

void frmLotteryManager::subFocusHiddenButton() { cmdHiddenFocus->setFocus(Qt::OtherFocusReason); }
