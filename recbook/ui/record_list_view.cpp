#include "ui/record_list_view.h"

#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "ui/dialog_units.h"

namespace recbook::ui {

RecordListView::RecordListView(QWidget* parent) : QListView(parent) {
  setFont(quorla::ui::ListFont());
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTextElideMode(Qt::ElideNone);
  setWordWrap(false);
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setLayoutMode(QListView::Batched);
  setBatchSize(2000);
  connect(this, &QListView::doubleClicked, this,
          [this](const QModelIndex& index) { emit rowDoubleClicked(static_cast<size_t>(index.row())); });
}

void RecordListView::Attach() {
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (!programmatic_ && !inPress_) emit userSelection(false);
  });
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
    if (!programmatic_ && !inPress_) emit userSelection(false);
  });
}

// The item delegate draws the text one focus-frame margin and one pixel inside the item.
int RecordListView::TextLeft() const {
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  const int itemLeft = model() && model()->rowCount() > 0 ? visualRect(model()->index(0, 0)).left()
                                                           : -horizontalScrollBar()->value();
  return itemLeft + margin;
}

int RecordListView::WidthForCharacters(int characters) const {
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  return fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('M'))) + 2 * margin + 2 * frameWidth() +
         verticalScrollBar()->sizeHint().width() + 2;
}

std::vector<size_t> RecordListView::SelectedRows() const {
  std::vector<size_t> rows;
  if (!selectionModel()) return rows;
  for (const QItemSelectionRange& range : selectionModel()->selection())
    for (int r = range.top(); r <= range.bottom(); ++r) rows.push_back(static_cast<size_t>(r));
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

size_t RecordListView::CaretRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? static_cast<size_t>(current.row()) : 0;
}

void RecordListView::SelectRows(std::span<const size_t> rows, size_t caret) {
  if (!model() || !selectionModel()) return;
  programmatic_ = true;
  QItemSelection selection;
  for (size_t i = 0; i < rows.size();) {
    size_t j = i;
    while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1) ++j;
    selection.select(model()->index(static_cast<int>(rows[i]), 0), model()->index(static_cast<int>(rows[j]), 0));
    i = j + 1;
  }
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  const QModelIndex current = model()->index(static_cast<int>(caret), 0);
  selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
  if (current.isValid()) scrollTo(current);
  programmatic_ = false;
}

// One notice per press, also when the press left the selection as it was: a press in the tag
// column always toggles the selected lines.
void RecordListView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) return;  // the right button opens the Edit menu only
  const bool tagColumn = event->button() == Qt::LeftButton && event->position().x() < kTagColumnPixels &&
                         indexAt(event->position().toPoint()).isValid();
  inPress_ = true;
  QListView::mousePressEvent(event);
  inPress_ = false;
  emit userSelection(tagColumn);
}

void RecordListView::contextMenuEvent(QContextMenuEvent* event) { emit editMenuRequested(event->globalPos()); }

}  // namespace recbook::ui
