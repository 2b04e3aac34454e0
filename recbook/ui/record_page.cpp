#include "ui/record_page.h"

#include <QHeaderView>

#include "ui/dialog_units.h"

namespace recbook::ui {

RecordPage::RecordPage(QWidget* parent) : QTableWidget(parent) {
  setColumnCount(3);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::NoFocus);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  horizontalHeader()->setStretchLastSection(true);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
  setShowGrid(false);
}

void RecordPage::Show(const std::vector<PageItem>& items) {
  setRowCount(static_cast<int>(items.size()));
  const QFont fixed = quorla::ui::ListFont();
  for (int row = 0; row < rowCount(); ++row) {
    const PageItem& item = items[static_cast<size_t>(row)];
    setItem(row, 0, new QTableWidgetItem(QString::fromStdString(item.code)));
    setItem(row, 1, new QTableWidgetItem(QString::fromStdString(item.meaning)));
    auto* value = new QTableWidgetItem(QString::fromLatin1(item.value.data(), static_cast<qsizetype>(item.value.size())));
    value->setFont(fixed);  // the stored characters, blanks visible in their places
    setItem(row, 2, value);
  }
}

}  // namespace recbook::ui
