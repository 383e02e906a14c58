#include "platform/ui/linelistmodel.h"

#include <utility>

LineListModel::LineListModel(QStringList &lines, QObject *parent) : QAbstractListModel(parent), lines_(lines) {}

int LineListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QModelIndex LineListModel::index(int row, int column, const QModelIndex &parent) const
{
    return row >= 0 && row < lines_.size() && column == 0 && !parent.isValid() ? createIndex(row, column) : QModelIndex();
}

QVariant LineListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= lines_.size())
        return {};
    return lines_.at(index.row());
}

LineListModel::Reach LineListModel::farthestReach() const
{
    Reach farthest;
    for (int row = 0, rows = static_cast<int>(lines_.size()); row < rows; ++row)
        if (const qsizetype length = lines_.at(row).size(); length > farthest.length)
            farthest = {row, length};
    return farthest;
}

void LineListModel::setLines(QStringList lines)
{
    beginResetModel();
    lines_ = std::move(lines);
    ++revision_;
    endResetModel();
}

void LineListModel::rewriteLines(const std::function<QStringList(QStringList earlier)> &rewrite)
{
    const qsizetype rows = lines_.size();
    QStringList lines = rewrite(std::exchange(lines_, {}));
    if (rows > 0 && lines.size() == rows) {
        lines_ = std::move(lines);
        ++revision_;
        emit dataChanged(index(0), index(static_cast<int>(rows) - 1), {Qt::DisplayRole});
        return;
    }
    setLines(std::move(lines));
}

void LineListModel::appendLine(const QString &line)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    lines_.append(line);
    ++revision_;
    endInsertRows();
}

void LineListModel::removeLine(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    lines_.removeAt(row);
    ++revision_;
    endRemoveRows();
}
