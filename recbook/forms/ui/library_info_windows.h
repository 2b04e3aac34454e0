#pragma once
// The Info dialogs of the record form that open the other libraries' windows or calculate: the
// co-ordinates of [4C], the altitude of [4Z], the power calculator of [8B1], the antenna editor
// from [9A] and [9B], and the antenna codes of [9XH] and [9XV]. They write into the form directly
// (a conversion or a Transfer is in the boxes before the dialog closes).
#include <QWidget>

#include "rules/code_tables.h"

namespace recbook {
class LibraryCalls;
class RecordFormPresenter;
}  // namespace recbook

namespace recbook::ui {

// True for the kinds of dialog opened here.
bool IsLibraryInfo(InfoDialog kind);
// Opens the dialog of box modally over parent; false when box has none of these dialogs.
bool OpenLibraryInfo(int box, RecordFormPresenter& form, LibraryCalls& calls, QWidget* parent);

}  // namespace recbook::ui
