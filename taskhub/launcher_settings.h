#pragma once
// The launcher's two remembered settings, the text of value JazUlo under Software\Quorla\MIRANDEX:
// the language flag and the task, each as a decimal number with a leading blank when not negative,
// joined by a comma (" 0, 2": English, exchange data file editor).
#include <string>
#include <string_view>

namespace taskhub {

struct LauncherSettings {
  int language = 0;  // 0 English, 1 Czech
  int task = 0;      // 1 map viewer, 2 exchange data file editor, 3 antenna editor
};

// Characters 1 to 2 are the language, characters 4 to the end the task, each read leniently
// (blank or missing text gives 0).
LauncherSettings ParseLauncherSettings(std::string_view text);
std::string FormatLauncherSettings(const LauncherSettings& s);

}  // namespace taskhub
