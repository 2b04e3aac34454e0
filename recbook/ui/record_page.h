#pragma once
// The record page and the header page: the items of one record, one row each (code, meaning,
// stored characters), read-only.
#include <QTableWidget>
#include <vector>

#include "session/record_pages.h"

namespace recbook::ui {

class RecordPage : public QTableWidget {
 public:
  explicit RecordPage(QWidget* parent = nullptr);
  void Show(const std::vector<PageItem>& items);
};

}  // namespace recbook::ui
