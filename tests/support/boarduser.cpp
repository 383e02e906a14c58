#include "support/boarduser.h"

#include "analysis/state.h"
#include "analysis/ticketfile.h"
#include "app/globals.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>

BoardBase *BoardUser::open(const QString &databaseFile)
{
    world_.open(databaseFile);
    if (BoardBase *shown = board())
        activate();
    return board();
}

void BoardUser::activate() const
{
    BoardBase *shown = board();
    if (!shown || shown->isActiveWindow())
        return;
    shown->show();
    shown->activateWindow();
    if (!QTest::qWaitForWindowActive(shown))
        ADD_FAILURE() << "the board did not become the active window";
}

QWidget *BoardUser::find(const QString &name) const
{
    BoardBase *shown = board();
    return shown ? shown->findChild<QWidget *>(name) : nullptr;
}

namespace {

// Where a click on the control lands: a combo's edit field, a check box's box.
QWidget *clickTarget(QWidget *control)
{
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit())
        return combo->lineEdit();
    return control;
}

QPoint clickPoint(QWidget *target)
{
    if (qobject_cast<QCheckBox *>(target) || qobject_cast<QRadioButton *>(target))
        return QPoint(6, target->height() / 2);
    return target->rect().center();
}

}  // namespace

void BoardUser::click(const QString &name)
{
    activate();
    if (QWidget *control = get(name)) {
        QWidget *target = clickTarget(control);
        QTest::mouseClick(target, Qt::LeftButton, {}, clickPoint(target));
    }
}

void BoardUser::doubleClick(const QString &name)
{
    activate();
    if (QWidget *control = get(name)) {
        QTest::mouseClick(control, Qt::LeftButton);
        QTest::mouseDClick(control, Qt::LeftButton);
    }
}

void BoardUser::tick(const QString &name, bool on)
{
    if (ticked(name) != on)
        click(name);
}

void BoardUser::type(const QString &name, const QString &text)
{
    click(name);
    QWidget *focus = QApplication::focusWidget();
    if (focus != get(name)) {
        ADD_FAILURE() << name.toStdString() << " did not take the focus";
        return;
    }
    key(Qt::Key_A, Qt::ControlModifier);
    keys(text);
    leave();
}

void BoardUser::keys(const QString &text)
{
    if (QWidget *focus = QApplication::focusWidget())
        QTest::keyClicks(focus, text);
}

void BoardUser::key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (QWidget *focus = QApplication::focusWidget())
        QTest::keyClick(focus, key, modifiers);
}

void BoardUser::leave() { click(QStringLiteral("lblDate")); }

void BoardUser::choose(const QString &name, int index)
{
    auto *combo = get<QComboBox>(name);
    if (!combo)
        return;
    click(name);
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    const QModelIndex entry = combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex());
    view->scrollTo(entry);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    if (combo->currentIndex() != index) {
        ADD_FAILURE() << name.toStdString() << " did not take entry " << index;
        combo->hidePopup();
    }
}

void BoardUser::step(const QString &name, bool right)
{
    activate();
    if (auto *bar = get<QScrollBar>(name)) {
        const QPoint arrow = right ? QPoint(bar->width() - 4, bar->height() / 2) : QPoint(4, bar->height() / 2);
        QTest::mouseClick(bar, Qt::LeftButton, {}, arrow);
    }
}

void BoardUser::selectLine(int index)
{
    activate();
    if (auto *list = get<QListView>(QStringLiteral("lstTicket"))) {
        const QModelIndex line = list->model()->index(index, 0);
        list->scrollTo(line);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(line).center());
    }
}

QString BoardUser::text(const QString &name) const
{
    QWidget *control = find(name);
    if (auto *label = dynamic_cast<VbLabel *>(control))
        return label->caption();
    if (auto *box = qobject_cast<QLineEdit *>(control))
        return box->text();
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->currentText();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        return frame->title();
    if (auto *area = dynamic_cast<VbTextArea *>(control))
        return area->text();
    ADD_FAILURE() << "no control with a text named " << name.toStdString();
    return {};
}

bool BoardUser::ticked(const QString &name) const
{
    auto *box = get<QAbstractButton>(name);
    return box && box->isChecked();
}

bool BoardUser::enabled(const QString &name) const
{
    QWidget *control = get(name);
    return control && control->isEnabled();
}

bool BoardUser::visible(const QString &name) const
{
    QWidget *control = get(name);
    return control && control->isVisibleTo(board());
}

QString BoardUser::status(int panel) const
{
    BoardBase *shown = board();
    return shown ? shown->staMain->panelText(panel) : QString();
}

QStringList BoardUser::lines() const
{
    auto *list = get<VbList>(QStringLiteral("lstTicket"));
    return list ? list->lines() : QStringList();
}

int BoardUser::selectedLine() const
{
    auto *list = get<VbList>(QStringLiteral("lstTicket"));
    return list ? list->listIndex() : -1;
}

QStringList savedTicketLines(const QString &ticketName)
{
    QFile file(fncTicketTextFilePath(gstrSavedTicketsFolder, gstrFileSuffix, ticketName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}
