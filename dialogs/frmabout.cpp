#include "dialogs/frmabout.h"

#include "app/clsfilesystem.h"
#include "app/application.h"
#include "app/resstrings.h"
#include "platform/ui/clswindowontop.h"
#include "platform/ui/respicture.h"
#include "app/version.h"
#include "dialogs/controlnames.h"
#include "platform/twips.h"
#include "platform/ui/forms.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kPictureTwips = 420;
// The area of the caption rows: from the rule under the balls to the rule above the pictures.
constexpr int kRowsLeft = 240;
constexpr int kRowsRight = 4455;
constexpr int kRowsTop = 1260;
constexpr int kRowsBottom = 3840;
constexpr int kColumnGap = 120;
constexpr int kRowGap = 60;

// The emblem of the program: three balls of the program's colours on a dark tile.
QPixmap emblem()
{
    QPixmap tile(64, 64);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(vbc::toQColor(0x404000));
    painter.drawRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    painter.drawPixmap(QRect(6, 30, 26, 26), fncLoadResPicture(QStringLiteral("R"), QStringLiteral("GIF")));
    painter.drawPixmap(QRect(32, 30, 26, 26), fncLoadResPicture(QStringLiteral("B"), QStringLiteral("GIF")));
    painter.drawPixmap(QRect(19, 8, 26, 26), fncLoadResPicture(QStringLiteral("Y"), QStringLiteral("GIF")));
    return tile;
}

VbLabel *makeLabel(QWidget *parent, int left, int top, int width, int height)
{
    auto *label = new VbLabel(parent);
    label->setWordWrap(true);
    label->Move(left, top, width, height);
    return label;
}

VbPicture *makePicture(QWidget *parent, int left, int top, int size, const QPixmap &picture)
{
    auto *image = new VbPicture(parent);
    image->setStretch(true);
    image->Move(left, top, size, size);
    image->setPicture(picture);
    return image;
}

VbLine *makeLine(QWidget *parent, int x1, int y1, int x2, int y2)
{
    auto *line = new VbLine(parent);
    line->setLineColor(0x808080, 1);
    line->setPoints(x1, y1, x2, y2);
    return line;
}

}  // namespace

frmAbout::frmAbout()
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setClientSizeTwips(this, 4695, 4695);

    for (int i = 0; i < 4; ++i)
        imgIcon.set(i, makePicture(this, 240 + i * 540, 240, kPictureTwips, {}));
    imgPicture1 = makePicture(this, 3480, 120, 960, emblem());

    // Caption rows beside their value labels: program name, version, copyright, comments. They
    // are placed for the captions of the language (layoutRows).
    lblCaption.set(1, makeLabel(this, kRowsLeft, kRowsTop, 1740, 300));
    lblProductName = makeLabel(this, 2040, kRowsTop, 2415, 300);
    lblCaption.set(2, makeLabel(this, kRowsLeft, kRowsTop, 1740, 300));
    lblVersion = makeLabel(this, 2040, kRowsTop, 2415, 300);
    lblCaption.set(0, makeLabel(this, kRowsLeft, kRowsTop, 1740, 300));
    lblCopyright = makeLabel(this, 2040, kRowsTop, 2415, 300);
    lblCaption.set(3, makeLabel(this, kRowsLeft, kRowsTop, 1740, 300));
    lblComments = makeLabel(this, 2040, kRowsTop, 2415, 300);
    lblProductName->setFontBold(true);
    lblCaption.forEach([](int, VbLabel *caption) { caption->setWordWrap(false); });

    imgPicture2 = makePicture(this, 240, 4080, 360, fncLoadResPicture(QStringLiteral("G7"), QStringLiteral("GIF")));
    imgPicture3 = makePicture(this, 720, 4080, 360, fncLoadResPicture(QStringLiteral("Y13"), QStringLiteral("GIF")));
    imgPicture4 = makePicture(this, 1200, 4080, 360, fncLoadResPicture(QStringLiteral("R42"), QStringLiteral("GIF")));
    Image3 = makePicture(this, 4080, 4080, 360, fncLoadResPicture(QStringLiteral("B0"), QStringLiteral("GIF")));

    linDecor = makeLine(this, 240, 1020, 4455, 1020);
    Line5 = makeLine(this, 240, 3960, 4455, 3960);
    Line6 = makeLine(this, 1920, 1260, 1920, 3840);
    Line8 = makeLine(this, 0, 4680, 4695, 4680);

    nameControls({{lblCopyright, "lblCopyright"}, {lblProductName, "lblProductName"}, {lblVersion, "lblVersion"},
                  {lblComments, "lblComments"}, {imgPicture1, "imgPicture1"}, {imgPicture2, "imgPicture2"},
                  {imgPicture3, "imgPicture3"}, {imgPicture4, "imgPicture4"}, {Image3, "Image3"},
                  {linDecor, "linDecor"}, {Line5, "Line5"}, {Line6, "Line6"}, {Line8, "Line8"}});
    nameControlArray(imgIcon, "imgIcon");
    nameControlArray(lblCaption, "lblCaption");

    const auto close = [this] { unloadForm(); };
    imgIcon.forEach([&](int, VbPicture *image) { image->onClick = close; });
    lblCaption.forEach([&](int, VbLabel *label) { label->onClick = close; });
    for (VbLabel *label : {lblCopyright, lblProductName, lblVersion, lblComments})
        label->onClick = close;
    imgPicture1->onClick = close;

    Form_Load();
}

void frmAbout::Form_Load()
{
    subApplyFormColours();
    subSetLanguageCaptions();
    const char *const names[] = {"B", "G", "Y", "R"};
    for (int i = 0; i < 4; ++i) {
        imgIcon[i]->setStretch(true);
        imgIcon[i]->setWidth(kPictureTwips);
        imgIcon[i]->setHeight(kPictureTwips);
        imgIcon[i]->setPicture(fncLoadResPicture(QString::fromLatin1(names[i]), QStringLiteral("GIF")));
        imgIcon[i]->setPictureName(QString::fromLatin1(names[i]));
    }
    update();
}

void frmAbout::subApplyFormColours()
{
    const auto colour = static_cast<uint32_t>(app().glngBackColor);
    setWindowBackColor(this, colour);
    lblCaption.forEach([&](int, VbLabel *label) { label->setBackColor(colour); });
    for (VbLabel *label : {lblCopyright, lblProductName, lblVersion, lblComments})
        label->setBackColor(colour);
}

void frmAbout::subSetLanguageCaptions()
{
    lblCaption[0]->setCaption(res(39050));
    lblCaption[1]->setCaption(res(39060));
    lblCaption[2]->setCaption(res(39070));
    lblCaption[3]->setCaption(res(39080));
    lblComments->setCaption(QString::fromUtf8(version::kComments));
    lblProductName->setCaption(QString::fromLatin1(version::kProductName));
    lblVersion->setCaption(eventlog::versionText());
    lblCopyright->setCaption(QString::fromUtf8(version::kLegalCopyright));
    layoutRows();
}

void frmAbout::layoutRows()
{
    // The caption column is as wide as the widest caption of the language, the values take the
    // rest of the row, and each row is as high as its value's wrapped text.
    int captionWidth = 0;
    lblCaption.forEach([&](int, VbLabel *caption) {
        captionWidth = std::max(captionWidth, twips::fromPixels(caption->sizeHint().width() + 2));
    });
    const int valueLeft = kRowsLeft + captionWidth + kColumnGap;
    const int valueWidth = kRowsRight - valueLeft;
    const std::pair<VbLabel *, VbLabel *> rows[] = {
        {lblCaption[1], lblProductName}, {lblCaption[2], lblVersion},
        {lblCaption[0], lblCopyright}, {lblCaption[3], lblComments}};
    int top = kRowsTop;
    for (const auto &[caption, value] : rows) {
        const int valueHeight = twips::fromPixels(value->heightForWidth(twips::toPixels(valueWidth)));
        const int height = std::max({300, twips::fromPixels(caption->sizeHint().height()), valueHeight});
        caption->Move(kRowsLeft, top, captionWidth, height);
        value->Move(valueLeft, top, valueWidth, height);
        top += height + kRowGap;
    }
    const int divider = kRowsLeft + captionWidth + kColumnGap / 2;
    Line6->setPoints(divider, kRowsTop, divider, std::max(kRowsBottom, top - kRowGap));
}

void frmAbout::unloadForm() { DefaultInstance<frmAbout>::unload(); }

void frmAbout::mouseReleaseEvent(QMouseEvent *event)
{
    QDialog::mouseReleaseEvent(event);
    // A click on the window's own area (lines let clicks through to it). The pictures without a
    // click of their own keep theirs.
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()))
        Form_Click();
}

void frmAbout::reject()
{
    // Escape closes the box as a click does.
    unloadForm();
}
