#pragma once
// What the editor window and the file viewer share: UTF-8 texts as Qt strings, the page tabs.
#include <QString>
#include <string_view>

#include "bilingual_texts.h"

namespace recbook::ui {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

inline constexpr quorla::BiText kTabs[] = {
    {" Contents of file  ", " Obsah souboru  "},
    {"  Contents of selected record  ", "  Obsah vybraného rekordu  "},
    {"  Header of file  ", "  Hlavička souboru  "},
};

}  // namespace recbook::ui
