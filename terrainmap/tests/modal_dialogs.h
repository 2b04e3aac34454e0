#pragma once
// Widget-test helpers for the library's modal dialogs: answering the next one from a timer and
// finding its entry boxes and buttons.
#include <QDialog>
#include <QPushButton>
#include <functional>
#include <vector>

#include "ui/geo_entry_edit.h"

namespace terrainmap::test {

// Runs answer on the next modal dialog once it is shown; rejects it if the answer left it open.
void WhenModal(std::function<void(QDialog*)> answer);
// The entry boxes of a dialog in their order (findChildren cannot tell them from other line edits).
std::vector<ui::GeoEntryEdit*> EntryBoxes(QDialog* d);
// The button with that text; a test failure and null when there is none.
QPushButton* Button(QDialog* d, const QString& text);

}  // namespace terrainmap::test
