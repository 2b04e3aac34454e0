#pragma once
// The colouring of the windows' static texts: RGB 120, 0, 0 on the window colour, plain text.
#include <QLabel>

namespace recbook::ui {

void StyleStaticLabel(QLabel& label);

}  // namespace recbook::ui
