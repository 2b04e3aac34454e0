#pragma once
// The message boxes of the world map library: title "ORBIS error in routine: " + routine, and the
// texts of its error kinds. The two-digit class picks the icon by its units digit.
#include <cstdint>
#include <string>
#include <string_view>

#include "host.h"
#include "input_file.h"

namespace quorla::geoatlas {

inline constexpr int kClassRoutineError = 21;
inline constexpr int kClassIniInfo = 22;

Icon IconOfClass(int messageClass);
void ShowAtlasMessage(Host& host, std::string_view routine, std::string_view text, int messageClass);

std::string LineNotFoundText(int32_t line);
std::string IncreaseParameterText(std::string_view name, int value);
std::string WrongVersionText();
std::string IncreaseDimensionText(std::string_view name);
std::string FileNotFoundText(std::string_view fileName);
std::string DamagedFileText(std::string_view fileName);
// A data file found but not readable as a file: a directory, a device, too large, a read error.
std::string UnreadableFileText(std::string_view fileName, InputStatus why);

}  // namespace quorla::geoatlas
