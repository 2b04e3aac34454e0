#pragma once
// The first start of a new user: the installed demo's terrain directory and its border lines
// become the user's map directories, so that the map opens on the demo without the directory
// dialog. Written into the settings file only, and only on the launcher's first start (no
// JazUlo yet) when neither "DtmHcm" nor "Border" is there: a user's own values, even empty ones,
// are never replaced.
#include <string>

#include "settings_store.h"

namespace taskhub {

// dataDir is the installed data folder (with its "demo/topo"); true when the values were written.
bool UseDemoDirectoriesOnFirstStart(quorla::SettingsStore& settings, const std::string& dataDir);

}  // namespace taskhub
