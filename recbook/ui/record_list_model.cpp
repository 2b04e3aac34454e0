#include "ui/record_list_model.h"

namespace recbook::ui {

RecordListModel::RecordListModel(const RecordList& list, std::function<std::string(size_t)> line, QObject* parent)
    : QAbstractListModel(parent), list_(list), line_(std::move(line)) {}

int RecordListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  const size_t row = static_cast<size_t>(index.row());
  if (row >= list_.size()) return {};
  const std::string text = line_(row);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));  // one byte, one character
}

void RecordListModel::Reset() {
  beginResetModel();
  rows_ = static_cast<int>(list_.size());
  endResetModel();
}

void RecordListModel::Reorder(const LineReorder& reorder) {
  emit layoutAboutToBeChanged();
  const QModelIndexList before = persistentIndexList();
  std::vector<size_t> rows;
  rows.reserve(static_cast<size_t>(before.size()));
  for (const QModelIndex& i : before) rows.push_back(static_cast<size_t>(i.row()));
  reorder(rows);
  QModelIndexList after;
  after.reserve(before.size());
  for (const size_t row : rows) after.push_back(row < static_cast<size_t>(rows_) ? index(static_cast<int>(row)) : QModelIndex());
  changePersistentIndexList(before, after);
  emit layoutChanged();
}

void RecordListModel::RowsChanged(size_t first, size_t last) {
  if (rows_ == 0) return;
  const int a = static_cast<int>(std::min<size_t>(first, static_cast<size_t>(rows_ - 1)));
  const int b = static_cast<int>(std::min<size_t>(last, static_cast<size_t>(rows_ - 1)));
  emit dataChanged(index(a), index(b), {Qt::DisplayRole});
}

}  // namespace recbook::ui
