#pragma once
// The record list as a list model: one row per line of the RecordList, no object per row. The
// row count is taken when the presenter says the list was reset, so that a list that grows
// during a build never shows half-made rows.
#include <QAbstractListModel>
#include <functional>
#include <string>

#include "listing/record_list.h"

namespace recbook::ui {

class RecordListModel : public QAbstractListModel {
 public:
  // line gives the text of a row (the editor's line, or the viewer's without the tag column).
  RecordListModel(const RecordList& list, std::function<std::string(size_t)> line, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  void Reset();
  // A sort: the rows keep their count, the persistent indexes (selection, caret) follow their lines.
  void Reorder(const LineReorder& reorder);
  void RowsChanged(size_t first, size_t last);

 private:
  const RecordList& list_;
  std::function<std::string(size_t)> line_;
  int rows_ = 0;
};

}  // namespace recbook::ui
