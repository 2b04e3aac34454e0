#pragma once
// How the file viewer is opened: its mode, the caller's texts and, for Append and Remove, the
// editor's tagged records and its edited file (which the viewer refuses to load).
#include <string>
#include <vector>

#include "bilingual_texts.h"
#include "records/station_record.h"

namespace recbook {

enum class ViewerMode : int { Append = 1, Remove = 2, TxTransfer = 11, TxRxTransfer = 12, UseFile = 99 };

inline constexpr const char* kEditorVersion = "(ver.1.7)";
inline constexpr const char* kViewerVersion = "(ver.1.3)";

struct ViewerSetup {
  ViewerMode mode = ViewerMode::UseFile;
  std::string caption;
  quorla::Language language = quorla::Language::English;
  std::string editedFile;
  std::vector<StationRecord> tagged;
  std::string lastDirectory;  // ends with "/" when set
};

constexpr bool IsViewerMode(int mode) { return mode == 1 || mode == 2 || mode == 11 || mode == 12 || mode == 99; }

}  // namespace recbook
