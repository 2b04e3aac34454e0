#include "geo_text.h"

#include <cmath>
#include <cstdio>

#include "lenient_number.h"

namespace quorla {
namespace {

// Characters first..last (1-based, inclusive) of text; the part beyond the text is empty.
std::string_view Chars(std::string_view text, size_t first, size_t last) {
  if (first > text.size()) return {};
  return text.substr(first - 1, last - first + 1);
}

char LowerAt(std::string_view text, size_t position) {
  if (position > text.size()) return 0;
  const char c = text[position - 1];
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

double Field(std::string_view text, size_t first, size_t last) { return LenientNumber(Chars(text, first, last)); }

// One coordinate as degrees, hemisphere letter, minutes and seconds; false when it does not fit.
bool AppendCoordinate(double value, char positive, char negative, int degreeDigits, bool tenths, std::string& out) {
  if (!std::isfinite(value)) return false;
  const char hemisphere = value < 0 ? negative : positive;
  const double a = std::fabs(value);
  double degrees = std::floor(a);
  const double m = (a - degrees) * 60;
  double minutes = std::floor(m);
  double seconds = (m - minutes) * 60;
  seconds = tenths ? std::round(seconds * 10) / 10 : std::round(seconds);
  if (seconds >= 60) {
    minutes += 1;
    seconds -= 60;
  }
  if (minutes >= 60) {
    degrees += 1;
    minutes -= 60;
  }
  if (degrees >= (degreeDigits == 3 ? 1000 : 100)) return false;
  char buffer[32];
  if (tenths) {
    std::snprintf(buffer, sizeof buffer, "%0*d%c%02d%04.1f", degreeDigits, static_cast<int>(degrees), hemisphere,
                  static_cast<int>(minutes), seconds);
  } else {
    std::snprintf(buffer, sizeof buffer, "%0*d%c%02d%02d", degreeDigits, static_cast<int>(degrees), hemisphere,
                  static_cast<int>(minutes), static_cast<int>(seconds));
  }
  out += buffer;
  return true;
}

}  // namespace

std::string WithoutBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != ' ') out += c;
  return out;
}

GeoPosition ParseGeoText(std::string_view raw) {
  const std::string text = WithoutBlanks(raw);
  GeoPosition p;
  if (text.size() == 16) {
    p.lon = Field(text, 1, 3) + Field(text, 5, 6) / 60 + Field(text, 7, 8) / 3600;
    p.lat = Field(text, 10, 11) + Field(text, 13, 14) / 60 + Field(text, 15, 16) / 3600;
    if (LowerAt(text, 4) == 'w') p.lon = -p.lon;
    if (LowerAt(text, 12) == 's') p.lat = -p.lat;
  } else {
    p.lon = Field(text, 1, 3) + Field(text, 5, 6) / 60 + Field(text, 7, 10) / 3600;
    p.lat = Field(text, 12, 13) + Field(text, 15, 16) / 60 + Field(text, 17, 20) / 3600;
    if (LowerAt(text, 4) == 'w') p.lon = -p.lon;
    if (LowerAt(text, 14) == 's') p.lat = -p.lat;
  }
  return p;
}

std::string FormatGeoText(double lon, double lat, bool tenths) {
  std::string out;
  if (!AppendCoordinate(lon, 'E', 'W', 3, tenths, out)) return {};
  out += ',';
  if (!AppendCoordinate(lat, 'N', 'S', 2, tenths, out)) return {};
  return out;
}

int CheckGeoText(GeoKind kind, std::string_view coordinate) {
  std::string text(coordinate);
  char first, second;
  int maxDegrees;
  if (kind == GeoKind::Longitude) {
    first = 'E', second = 'W', maxDegrees = 179;
  } else if (kind == GeoKind::Latitude) {
    text.insert(text.begin(), '0');
    first = 'N', second = 'S', maxDegrees = 89;
  } else {
    return 1;
  }
  if (text.size() != 8 || (text[3] != first && text[3] != second)) return 1;
  for (size_t i = 0; i < 8; ++i)
    if (i != 3 && (text[i] < '0' || text[i] > '9')) return 1;
  const auto number = [&](size_t at, size_t n) { return std::stoi(text.substr(at, n)); };
  if (number(0, 3) > maxDegrees || number(4, 2) > 59 || number(6, 2) > 59) return 1;
  return 0;
}

}  // namespace quorla
