#pragma once
// What the library's dialog entry points copy from their block at entry, and the texts they write
// back into it.
#include <QWidget>
#include <string>

#include "bilingual_texts.h"
#include "map_params.h"

namespace terrainmap::exports {

struct BlockTexts {
  std::string caption;
  quorla::Language language;
  QWidget* owner;  // nullptr: no owner, the dialog is centred on the screen
};

BlockTexts CopyBlockTexts(const TransfSourParams& params);
BlockTexts CopyBlockTexts(const MapViewerParams& params);
// Up to the field's terminator (254 characters at most).
std::string FieldText(const char (&field)[255]);
// text cut to 254 characters, zero-terminated.
void WriteField(char (&field)[255], const std::string& text);

}  // namespace terrainmap::exports
