#pragma once
// Moves a dialog to where the placement values of its parameter block put it (dialog_placement).
#include <QWidget>

namespace terrainmap::ui {

void PlaceDialogWidget(QWidget& dialog, const QWidget* owner, int x, int y);

}  // namespace terrainmap::ui
