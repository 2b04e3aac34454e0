#pragma once
// The antenna editor's window icon "qrl4", compiled into the library.
#include <QIcon>

namespace radpattern::ui {

QIcon EditorIcon();

}  // namespace radpattern::ui
