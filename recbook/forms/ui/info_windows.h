#pragma once
// Button 9 "Info" of the record form: the window of each kind of Info dialog. One row per kind;
// a kind without a row has no window yet and its button stays disabled.
#include <QWidget>

#include "forms/info_request.h"

namespace recbook::ui {

// Opens the dialog modally over parent and gives what its "&OK" writes (nothing when cancelled).
using InfoWindowOpener = BoxWrites (*)(const InfoRequest& request, QWidget* parent);

// nullptr for a kind that has no window.
InfoWindowOpener InfoWindowFor(InfoDialog kind);

}  // namespace recbook::ui
