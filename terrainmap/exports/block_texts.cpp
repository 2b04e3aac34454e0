#include "block_texts.h"

#include <cstring>

#include "ui/entry_application.h"

namespace terrainmap::exports {

namespace {

template <typename Block>
BlockTexts CopyTexts(const Block& params) {
  return {FieldText(params.caption), quorla::LanguageFromByte(params.language),
          quorla::ui::OwnerWindow(params.parent)};
}

}  // namespace

BlockTexts CopyBlockTexts(const TransfSourParams& params) { return CopyTexts(params); }
BlockTexts CopyBlockTexts(const MapViewerParams& params) { return CopyTexts(params); }

std::string FieldText(const char (&field)[255]) { return std::string(field, ::strnlen(field, sizeof field - 1)); }

void WriteField(char (&field)[255], const std::string& text) {
  const size_t n = std::min(text.size(), sizeof field - 1);
  std::memcpy(field, text.data(), n);
  field[n] = '\0';
}

}  // namespace terrainmap::exports
