#include "platform/ui/msgbox.h"

#include "platform/linebreaks.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace msgbox {

namespace {
Hook &hook()
{
    static Hook h;
    return h;
}
}  // namespace

void setHook(Hook h) { hook() = std::move(h); }

}  // namespace msgbox

int vbMsgBox(const QString &text, int style, const QString &title)
{
    using namespace msgbox;
    if (hook())
        return hook()(Request{text, style, title});

    const int buttons = style & 0x0F;
    const int icon = style & 0xF0;
    const bool secondIsDefault = (style & 0x100) != 0;

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(fncKeepPathStartsWhole(text));
    switch (icon) {
    case 16: box.setIcon(QMessageBox::Critical); break;
    case 32: box.setIcon(QMessageBox::Question); break;
    case 48: box.setIcon(QMessageBox::Warning); break;
    case 64: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }

    QAbstractButton *first = nullptr;
    QAbstractButton *second = nullptr;
    int firstCode = kOk;
    int secondCode = kCancel;
    switch (buttons) {
    case 1:
        first = box.addButton(QMessageBox::Ok);
        second = box.addButton(QMessageBox::Cancel);
        break;
    case 4:
        first = box.addButton(QMessageBox::Yes);
        second = box.addButton(QMessageBox::No);
        firstCode = kYes;
        secondCode = kNo;
        break;
    default:
        first = box.addButton(QMessageBox::Ok);
        break;
    }
    QAbstractButton *def = (secondIsDefault && second) ? second : first;
    box.setDefaultButton(qobject_cast<QPushButton *>(def));
    box.setEscapeButton(second ? second : first);
    box.exec();
    return box.clickedButton() == second ? secondCode : firstCode;
}
