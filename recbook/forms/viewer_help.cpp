#include "forms/viewer_help.h"

namespace recbook {

ViewerHelpShown ViewerHelpFor(ViewerTable table, const StationRecord& record, quorla::Language language,
                              std::string caption) {
  if (table != ViewerTable::Designation && table != ViewerTable::Reference) return {ViewerCodes(table, record), {}};
  const Item item = table == ViewerTable::Designation ? Item::k7A : Item::k13X;
  return {{}, InfoRequestFor(RecordBoxOf(item).id, language, std::move(caption), BoxTextsOf(record))};
}

}  // namespace recbook
