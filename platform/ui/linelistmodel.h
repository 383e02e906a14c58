#pragma once
// Lines of text as a list model: one row per line, the row's text the line. The lines belong to
// another object and the model keeps no copy of them; every change of them goes through the
// model, so that its views follow by its signals alone.

#include <QAbstractListModel>
#include <QStringList>
#include <functional>

class LineListModel : public QAbstractListModel {
public:
    // The model of `lines`, which must outlive it.
    explicit LineListModel(QStringList &lines, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    // The index of a line made at once: a list asks for one per line whenever it lays its lines
    // out.
    QModelIndex index(int row, int column = 0, const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    const QStringList &lines() const { return lines_; }
    // How far a line may reach, in characters, while the lines are rewritten in their rows
    // (rewriteLines): the line itself, unless the model knows what the rewrites may change. A list
    // reaches across as far as the line that reaches farthest, so that rewrites within it move
    // nothing.
    struct Reach {
        int row = -1;  // the first line that reaches farthest; -1 when there is none
        qsizetype length = -1;
    };
    virtual Reach farthestReach() const;
    virtual qsizetype reachLength(int row) const { return lines_.at(row).size(); }
    // A text as long as line `row` may reach.
    virtual QString reachText(int row) const { return lines_.at(row); }
    // Counts the changes of the lines: while it reads the same, so do they.
    quint64 revision() const { return revision_; }
    // Every line replaced, in one reset (tens of thousands of lines cost one signal).
    void setLines(QStringList lines);
    // The lines made anew from the earlier ones, which `rewrite` is given so that it can reuse
    // their room (it must not read the model meanwhile). As many lines as before are the same rows
    // with new texts, in one change of data: the views keep their layout, their current line and
    // where they are scrolled. Any other number of lines is a new list, in one reset. Either counts
    // as one change (revision).
    void rewriteLines(const std::function<QStringList(QStringList earlier)> &rewrite);
    void appendLine(const QString &line);
    void removeLine(int row);
    void clear() { setLines({}); }

private:
    QStringList &lines_;
    quint64 revision_ = 0;
};
