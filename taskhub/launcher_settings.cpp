#include "launcher_settings.h"

#include "lenient_number.h"

namespace taskhub {
namespace {

std::string Number(int n) { return (n >= 0 ? " " : "") + std::to_string(n); }

int Lenient(std::string_view text) {
  const double v = quorla::LenientNumber(text);
  // Beyond the range of the flag the text is not ours: read it as nothing remembered.
  return v > -1e9 && v < 1e9 ? static_cast<int>(v) : 0;
}

}  // namespace

LauncherSettings ParseLauncherSettings(std::string_view text) {
  LauncherSettings s;
  s.language = Lenient(text.substr(0, 2));
  if (text.size() > 3) s.task = Lenient(text.substr(3));
  return s;
}

std::string FormatLauncherSettings(const LauncherSettings& s) { return Number(s.language) + "," + Number(s.task); }

}  // namespace taskhub
