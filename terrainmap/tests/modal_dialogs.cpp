#include "modal_dialogs.h"

#include <gtest/gtest.h>

#include "ui/testing/when_modal.h"

namespace terrainmap::test {

void WhenModal(std::function<void(QDialog*)> answer) {
  quorla::ui::testing::WhenModal<QDialog>([answer](QDialog* d) {
    answer(d);
    if (d->isVisible()) d->reject();  // an answer that failed half-way must not leave it open
  });
}

std::vector<ui::GeoEntryEdit*> EntryBoxes(QDialog* d) {
  std::vector<ui::GeoEntryEdit*> boxes;
  for (QLineEdit* e : d->findChildren<QLineEdit*>())
    if (auto* box = dynamic_cast<ui::GeoEntryEdit*>(e)) boxes.push_back(box);
  return boxes;
}

QPushButton* Button(QDialog* d, const QString& text) {
  for (QPushButton* b : d->findChildren<QPushButton*>())
    if (b->text() == text) return b;
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

}  // namespace terrainmap::test
