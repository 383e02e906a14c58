#include "platform/ui/msgbox.h"

#include "platform/linebreaks.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace msgbox {

namespace {

// The most characters a box shows without a break: far less than a line of the widest box.
constexpr qsizetype kLongestUnbrokenRun = 40;

Hook &hook()
{
    static Hook h;
    return h;
}
}  // namespace

void setHook(Hook h) { hook() = std::move(h); }

QWidget *boxParent(QWidget *owner)
{
    QWidget *window = owner ? owner->window() : nullptr;
    return (window && window->isVisible()) ? window : nullptr;
}

}  // namespace msgbox

int vbMsgBox(QWidget *owner, const QString &text, int style, const QString &title)
{
    using namespace msgbox;
    QWidget *parent = boxParent(owner);
    if (hook())
        return hook()(Request{text, style, title, parent});

    const int buttons = style & 0x0F;
    const int icon = style & 0xF0;
    const bool secondIsDefault = (style & 0x100) != 0;

    // Owned by its window, so that it can never outlive it; watched, so that a box deleted with
    // its window is not used afterwards.
    QPointer<QMessageBox> box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    box->setWindowModality(Qt::ApplicationModal);
    if (parent && parent->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box->setWindowTitle(title);
    box->setTextFormat(Qt::PlainText);
    // Names too long for a line (a ticket's may have 199 letters) wrap, and paths wrap after a
    // "/" but never right after the "/" that begins them.
    box->setText(fncKeepPathStartsWhole(fncBreakLongRuns(text, kLongestUnbrokenRun)));
    switch (icon) {
    case 16: box->setIcon(QMessageBox::Critical); break;
    case 32: box->setIcon(QMessageBox::Question); break;
    case 48: box->setIcon(QMessageBox::Warning); break;
    case 64: box->setIcon(QMessageBox::Information); break;
    default: box->setIcon(QMessageBox::NoIcon); break;
    }

    QAbstractButton *first = nullptr;
    QAbstractButton *second = nullptr;
    int firstCode = kOk;
    int secondCode = kCancel;
    switch (buttons) {
    case 1:
        first = box->addButton(QMessageBox::Ok);
        second = box->addButton(QMessageBox::Cancel);
        break;
    case 4:
        first = box->addButton(QMessageBox::Yes);
        second = box->addButton(QMessageBox::No);
        firstCode = kYes;
        secondCode = kNo;
        break;
    default:
        first = box->addButton(QMessageBox::Ok);
        break;
    }
    QAbstractButton *def = (secondIsDefault && second) ? second : first;
    box->setDefaultButton(qobject_cast<QPushButton *>(def));
    box->setEscapeButton(second ? second : first);
    // Once shown, the box comes to the front and takes the keyboard.
    QTimer::singleShot(0, box, [box] {
        if (box) {
            box->raise();
            box->activateWindow();
        }
    });
    box->exec();
    if (!box)
        return second ? secondCode : firstCode;
    const int answer = box->clickedButton() == second ? secondCode : firstCode;
    delete box.data();
    return answer;
}
