#include "forms/info_request.h"

namespace recbook {

std::optional<InfoRequest> InfoRequestFor(int box, quorla::Language language, std::string caption,
                                          const RecordBoxTexts& texts) {
  const RecordBox* spec = RecordBoxOf(box);
  if (!spec) return std::nullopt;
  const std::optional<InfoButton> button = InfoButtonFor(spec->item);
  if (!button) return std::nullopt;
  return InfoRequest{button->dialog, spec->item, box, language, std::move(caption), texts};
}

}  // namespace recbook
