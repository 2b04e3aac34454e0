#include "editor/tagged_header_check.h"

namespace recbook {

std::string TaggedHeaderTitle(quorla::Language l, const std::string& bareName) {
  return std::string(l == quorla::Language::English ? " Header for Save taged Rec  As file: ''"
                                                    : " Hlavička pro Ulož označ. Rec  Jako soubor: ''") +
         bareName + "''";
}

std::string TodayNote(quorla::Language l, const std::string& today) {
  return std::string(l == quorla::Language::English ? "  ...  today date:  " : "  ...  dnešní datum:  ") + today;
}

}  // namespace recbook
