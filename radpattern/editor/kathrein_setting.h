#pragma once
// The directory in which the Kathrein file selection opens: the settings value "Kathrein",
// read when the editor starts (empty: the current directory) and written when it ends, only if
// the directory changed.
#include <string>

#include "settings_store.h"

namespace radpattern {

std::string ReadKathreinDirectory(const quorla::SettingsStore& store);
// False when the changed directory could not be written.
bool WriteKathreinDirectory(quorla::SettingsStore& store, const std::string& atStart, const std::string& atEnd);

}  // namespace radpattern
