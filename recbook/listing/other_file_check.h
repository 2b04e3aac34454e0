#pragma once
// The checks on the other file of Append and Remove (the viewer's open button): it must be a true
// Exchange data file on a writable drive, and not the edited file itself.
#include <string>

namespace recbook {

enum class OtherFileStatus { Ok, Missing, NotExchange, CrLf, CdRom, SameAsEdited };

OtherFileStatus CheckOtherFile(const std::string& path, const std::string& editedFile);

// The message for a refused file, and the suffix of its title (after the caption).
std::string OtherFileMessage(OtherFileStatus status);
std::string OtherFileTitleSuffix(OtherFileStatus status);

}  // namespace recbook
