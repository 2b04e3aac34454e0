#pragma once
// The antenna editor opened from the record form: directly from [9A] and [9B], through the
// antenna codes' Info dialog from [9XH] and [9XV]. It gets the form's codes, angles, station kind
// and the page of the box it was opened from; what it transfers is written back into the boxes.
#include <cstdint>

namespace recbook {

class LibraryCalls;
class RecordFormPresenter;

// fromBox: the box with the focus ([9XH], [9A], [9XV] or [9B]); parent: the window handle of the
// caller. True when the editor transferred its values.
bool OpenAntennaEditor(RecordFormPresenter& form, LibraryCalls& calls, int fromBox, uint32_t parent);

}  // namespace recbook
