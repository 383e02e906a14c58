#include "support/boarduser.h"

#include "analysis/openlottery.h"
#include "analysis/ticketfile.h"
#include "app/application.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTest>

BoardBase *BoardUser::open(const QString &databaseFile)
{
    world_.open(databaseFile);
    activate();
    return board();
}

BoardBase *BoardUser::openLottery(const GameConfigRecord &config, const std::vector<std::vector<int32_t>> &numbers)
{
    world_.openLottery(config, SampleWorld::drawings(numbers));
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

QWidget *BoardUser::find(const QString &name) const { return board() ? board()->findChild<QWidget *>(name) : nullptr; }

QAction *BoardUser::menuItem(const QString &name) const
{
    QAction *item = board() ? board()->findChild<QAction *>(name) : nullptr;
    if (!item)
        ADD_FAILURE() << "no menu item " << name.toStdString() << " on the board";
    return item;
}

void BoardUser::chooseMenu(const QString &name)
{
    if (QAction *item = menuItem(name))
        item->trigger();
}

void BoardUser::click(const QString &name, bool twice)
{
    activate();
    QWidget *target = get(name);
    if (auto *combo = qobject_cast<QComboBox *>(target))
        target = combo->lineEdit();
    if (!target)
        return;
    // Check boxes and options are clicked on their box.
    const bool box = qobject_cast<QCheckBox *>(target) || qobject_cast<QRadioButton *>(target);
    const QPoint at = box ? QPoint(6, target->height() / 2) : target->rect().center();
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(target, Qt::LeftButton, {}, at);
}

void BoardUser::type(const QString &name, const QString &text)
{
    click(name);
    if (QApplication::focusWidget() != get(name)) {
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
    if (auto *bar = get<QScrollBar>(name))
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(right ? bar->width() - 4 : 4, bar->height() / 2));
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

QStringList BoardUser::lines() const
{
    QStringList shown;
    if (auto *list = get<QListView>(QStringLiteral("lstTicket")))
        for (int row = 0; row < list->model()->rowCount(); ++row)
            shown << list->model()->index(row, 0).data().toString();
    return shown;
}

int BoardUser::selectedLine() const
{
    auto *list = get<QListView>(QStringLiteral("lstTicket"));
    return list && list->currentIndex().isValid() ? list->currentIndex().row() : -1;
}

QString BoardUser::text(const QString &name) const
{
    QWidget *control = get(name);
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
    auto *area = dynamic_cast<VbTextArea *>(control);
    return area ? area->text() : QString();
}

QStringList BoardUser::texts(const QString &name, int first, int last) const
{
    QStringList out;
    for (int i = first; i <= last; ++i)
        out << text(at(name, i));
    return out;
}

QStringList BoardUser::savedTicketLines(const QString &ticketName) const
{
    if (!board())
        return {};
    QFile file(fncTicketTextFilePath(app().gstrSavedTicketsFolder, board()->lottery().gstrFileSuffix, ticketName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}
