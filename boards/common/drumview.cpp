// One drum's view: what it is (the drum, its balls, its tables in the open lottery) and the wiring
// of its controls to its handlers.

#include "boards/common/drumview.h"

#include "app/resstrings.h"
#include "boards/common/boardbase.h"
#include "platform/ui/respicture.h"

namespace {

const QString kDigits = QStringLiteral("0123456789");

// The keys a box takes: `allowed` and Backspace.
template <class T>
void filterKeys(CtlArray<T> &boxes, const QString &allowed)
{
    boxes.wire([allowed](int, T *box) {
        box->onKeyPress = [allowed](int &key) { BoardBase::subFilterKeyWithBackspace(allowed, key); };
    });
}

}  // namespace

DrumView::DrumView(BoardBase &board, Drum drum) : board_(board), drum_(drum) {}

OpenLottery &DrumView::lottery() const { return board_.lottery(); }

bool DrumView::inUse() const { return board_.usesDrum(drum_); }

DrumState &DrumView::state() const { return lottery().drum(drum_); }

DrumShape DrumView::shape() const { return lottery().gLayout.drum(drum_); }

bool DrumView::oneHalf() const { return !second() && board_.design().tableHalves == 1; }

void DrumView::wire()
{
    // Power table: headers and ball pictures.
    lblHdrTotal.wire([this](int i, VbLabel *l) { l->onClick = [this, i] { lblHdrTotal_Click(i); }; });
    lblHdrPowerPercent.wire([this](int i, VbLabel *l) { l->onClick = [this, i] { lblHdrPowerPercent_Click(i); }; });
    lblHdrLastPicked.wire([this](int i, VbLabel *l) { l->onClick = [this, i] { lblHdrLastPicked_Click(i); }; });
    picPowerBall.wire([this](int i, VbPicture *p) { p->onClick = [this, i] { picPowerBall_Click(i); }; });
    picPoolBall.wire([this](int i, VbPicture *p) { p->onClick = [this, i] { picPoolBall_Click(i); }; });

    // Pool grid and exclusions.
    txtPoolCount.wire([this](int i, VbTextBox *box) {
        box->onGotFocus = [this, i] { txtPoolCount_GotFocus(i); };
        box->onChange = [this, i] { txtPoolCount_Change(i); };
        box->onLostFocus = [this, i] { txtPoolCount_LostFocus(i); };
        box->onMouseMove = [this, i] { txtPoolCount_MouseMove(i); };
    });
    txtPoolPercent.wire([this](int i, VbTextBox *box) {
        box->onDblClick = [this, i] { txtPoolPercent_DblClick(i); };
        box->onGotFocus = [this, i] { txtPoolPercent_GotFocus(i); };
        box->onLostFocus = [this, i] { txtPoolPercent_LostFocus(i); };
        box->onMouseMove = [this, i] { txtPoolPercent_MouseMove(i); };
    });
    lblHdrPool.wire([this](int i, VbLabel *header) { header->onClick = [this, i] { lblHdrPool_Click(i); }; });
    chkExcludeBall.wire([this](int i, VbCheck *box) {
        box->onClick = [this, i] { chkExcludeBall_Click(i); };
        box->onMouseMove = [this, i] { chkExcludeBall_MouseMove(i); };
    });
    lblHdrExclude.wire([this](int i, VbLabel *l) { l->onClick = [this, i] { lblHdrExclude_Click(i); }; });

    // Power interval.
    chkPowerInterval->onClick = [this] { chkPowerInterval_Click(); };
    lblPowerInterval->onClick = [this] { lblPowerInterval_Click(); };
    cboPowerIntervalPct->onClick = [this] { cboPowerIntervalPct_Click(); };
    cboPowerIntervalPct->onGotFocus = [this] { cboPowerIntervalPct_GotFocus(); };
    cboPowerIntervalPct->onChange = [this] { cboPowerIntervalPct_Change(); };
    cboPowerIntervalPct->onLostFocus = [this] { cboPowerIntervalPct_LostFocus(); };
    hsbPowerInterval->onChange = [this] { hsbPowerInterval_Change(); };
    txtPowerInterval.wire([this](int i, VbTextBox *box) {
        box->onGotFocus = [this, i] { txtPowerInterval_GotFocus(i); };
        box->onChange = [this, i] { txtPowerInterval_Change(i); };
        box->onLostFocus = [this, i] { txtPowerInterval_LostFocus(i); };
    });

    // Keys: the odds boxes take none, the counts and limits digits, the width combo no key at all.
    filterKeys(txtPoolPercent, QString());
    filterKeys(txtPoolCount, kDigits);
    filterKeys(txtPowerInterval, kDigits);
    cboPowerIntervalPct->onKeyPress = [](int &key) { BoardBase::subFilterKey(QString(), key); };
}

void showBallPicture(VbPicture *picture, const QString &name)
{
    if (!picture)
        return;
    picture->setPicture(fncLoadResPicture(name, QStringLiteral("GIF")));
    picture->setPictureName(name);
}

QString poolStatusText(Drum drum, int64_t size)
{
    return res(drum == Drum::Second ? 36050 : 36040) + QString::number(static_cast<qint64>(size));
}
