#include "atlas_messages.h"

namespace quorla::geoatlas {

Icon IconOfClass(int messageClass) {
  switch (messageClass % 10) {
    case 2: return Icon::Information;
    case 3: return Icon::Question;
    case 4: return Icon::Error;
    default: return Icon::Exclamation;
  }
}

void ShowAtlasMessage(Host& host, std::string_view routine, std::string_view text, int messageClass) {
  host.Message(text, "ORBIS error in routine: " + std::string(routine), Buttons::Ok, IconOfClass(messageClass));
}

std::string LineNotFoundText(int32_t line) {
  return "Did not find the line " + std::to_string(line) + " in the coordinate file.";
}
std::string IncreaseParameterText(std::string_view name, int value) {
  return "Increase the parameter " + std::string(name) + " = " + std::to_string(value);
}
std::string WrongVersionText() { return "Wrong version, relink program."; }
std::string IncreaseDimensionText(std::string_view name) {
  return "Increase dimension for " + std::string(name) + " in the calling routine.";
}
std::string FileNotFoundText(std::string_view fileName) {
  return " Can not find the ORBIS file: " + std::string(fileName);
}
std::string DamagedFileText(std::string_view fileName) {
  return " Damaged ORBIS file: " + std::string(fileName);
}
std::string UnreadableFileText(std::string_view fileName, InputStatus why) {
  return " Can not read the ORBIS file: " + std::string(fileName) + " (" + std::string(InputStatusText(why).en) + ")";
}

}  // namespace quorla::geoatlas
