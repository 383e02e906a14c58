#pragma once
// A user at a lottery's board: the lottery opened as the program opens it, on its own board, shown
// and active; controls found by their names ("cmdPower", "txtGuess(3)", "chkExcludeBallBONUS(2)"),
// clicked, typed into and chosen from as the user does, keys going to the widget that has the
// focus; and what the board shows read back.

#include "boards/common/boardbase.h"
#include "support/sampleworld.h"

#include <QStringList>
#include <gtest/gtest.h>

class BoardUser {
public:
    explicit BoardUser(SampleWorld &world) : world_(world) {}

    // Opens the lottery of that database file; its board in front and active.
    BoardBase *open(const QString &databaseFile);
    // Writes a lottery of this shape with these drawings (weeks 1, 2 ...) and opens it the same way.
    BoardBase *openLottery(const GameConfigRecord &config, const std::vector<std::vector<int32_t>> &numbers);
    BoardBase *board() const { return world_.board(); }
    // The board in front shown and made the active window, as after the user's click on it.
    void activate() const;

    // "name(index)".
    static QString at(const QString &name, int index) { return QStringLiteral("%1(%2)").arg(name).arg(index); }
    // The control of that name on the board in front, or nullptr.
    QWidget *find(const QString &name) const;
    // The control, which must be there: a missing one fails the test.
    template <class T = QWidget>
    T *get(const QString &name) const
    {
        T *control = dynamic_cast<T *>(find(name));
        if (!control)
            ADD_FAILURE() << "no control " << name.toStdString() << " of that kind on the board";
        return control;
    }

    // A left click (into a combo's edit field; on a check box's box), or a double click.
    void click(const QString &name, bool twice = false);
    void doubleClick(const QString &name) { click(name, true); }
    void tick(const QString &name, bool on)
    {
        if (ticked(name) != on)
            click(name);
    }
    // A click into the box, its text selected and replaced by typing `text`, then the box left.
    void type(const QString &name, const QString &text);
    // Keys to the widget that has the focus.
    void keys(const QString &text);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // A click on a plain label: the focus parks and the box that had it runs its check.
    void leave() { click(QStringLiteral("lblDate")); }
    // The menu item of that name on the board in front, which must be there.
    QAction *menuItem(const QString &name) const;
    // The menu item chosen.
    void chooseMenu(const QString &name);
    // Entry `index` of a combo chosen from its open list.
    void choose(const QString &name, int index);
    // A click on the right (or left) arrow of a scroll bar.
    void step(const QString &name, bool right);
    // A click on line `index` of the ticket list.
    void selectLine(int index);

    // What a control shows: a caption, a box's text, a combo's edit text.
    QString text(const QString &name) const;
    int number(const QString &name) const { return text(name).trimmed().toInt(); }
    // What the controls name(first) to name(last) show.
    QStringList texts(const QString &name, int first, int last) const;
    bool ticked(const QString &name) const
    {
        auto *box = get<QAbstractButton>(name);
        return box && box->isChecked();
    }
    bool enabled(const QString &name) const { return get(name) && get(name)->isEnabled(); }
    bool visible(const QString &name) const { return get(name) && get(name)->isVisibleTo(board()); }
    QString status(int panel) const
    {
        auto *bar = get<VbStatusBar>(QStringLiteral("staMain"));
        return bar ? bar->panelText(panel) : QString();
    }
    // The lines the ticket list shows, and the line selected in it (-1 none).
    QStringList lines() const;
    int selectedLine() const;

    // The lines of the text file of a saved ticket of the lottery on the board (CRLF line ends),
    // nothing when it does not exist.
    QStringList savedTicketLines(const QString &ticketName) const;

private:
    SampleWorld &world_;
};


