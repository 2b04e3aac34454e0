#pragma once
// The file viewer's help on item codes (" Description of some Exchange data item codes"): the
// same tables as the record form's Info dialogs, read-only, over the record selected in the
// viewer. The code tables come without their line for a missing or wrong code and highlight the
// record's code; the designation and the reference open their own dialogs on the record's items.
#include <optional>
#include <string>

#include "forms/info_request.h"
#include "rules/code_pickers.h"

namespace recbook {

struct ViewerHelpShown {
  std::optional<ViewerCodeTable> codes;  // a code table
  std::optional<InfoRequest> info;       // the designation builder or the reference layout
};

// What "&Show" opens for the chosen table; record: the viewer's selected record (blank when none).
ViewerHelpShown ViewerHelpFor(ViewerTable table, const StationRecord& record, quorla::Language language,
                              std::string caption);

}  // namespace recbook
