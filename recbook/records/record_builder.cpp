#include "record_builder.h"

#include <algorithm>

#include "item_table.h"
#include "picture_mask.h"
#include "record_text.h"

namespace recbook {
namespace {

// A masked numeric item: blanks removed, empty gives blanks, else the number under the mask.
std::string MaskedOrBlank(std::string_view text, std::string_view mask) {
  const std::string compact = WithoutBlanks(text);
  if (compact.empty()) return std::string(mask.size(), ' ');
  return MaskedItem(LenientNumber(compact), mask);
}

}  // namespace

StationRecord BuildStationRecord(const StationValues& v) {
  std::string t;
  t.reserve(kRecordSize);
  t += FrequencyItem(v.txFrequency);
  t += FixWidth(v.frequencyCategory, 1);
  t += FixWidth(v.stationClass, 2);
  t += FixWidth(v.natureOfService, 2);
  t += FixWidth(v.categoryOfUse, 2);
  t += FixWidth(v.channelOccupation, 1);
  t += DateFromDisplay(v.dateInUse);
  t += FixWidth(v.name, 20);
  t += FixWidth(v.country, 3);
  t += FixWidth(WithoutBlanks(v.longitude), 8);
  t += FixWidth(WithoutBlanks(v.latitude), 7);
  t += MaskedOrBlank(v.radius, "#####");
  t += FixWidth(v.altitude, 4);
  t += FixWidth(v.emission, 9);
  t += MaskedOrBlank(v.power, "####.#");
  t += FixWidth(v.referenceAntenna, 1);
  t += MaskedOrBlank(v.azimuth, "###.#");
  t += MaskedOrBlank(v.elevation, "###.#");
  t += FixWidth(v.polarisation, 2);
  t += MaskedOrBlank(v.gain, "##.#");
  t += MaskedOrBlank(v.antennaHeight, "####");
  t += FixWidth(v.patternH, 7);
  t += FixWidth(v.patternV, 7);
  t += FrequencyItem(v.rxFrequency);
  t += FixWidth(v.remarks, 50);
  t += FixWidth(v.status, 1);
  t += DateFromDisplay(v.requestDate);
  t += DateFromDisplay(v.finalDate);
  t += FixWidth(v.reference, 15);
  return RecordFromText<StationRecord>(t);
}

std::string BuildHeaderText(const HeaderValues& v) {
  std::string t;
  t.reserve(200);
  t += MaskedItem(LenientNumber(WithoutBlanks(v.fileNumber)), "00");
  t += FixWidth(v.description, 80);
  t += FixWidth(v.contentsCode, 1);
  t += FixWidth(v.country, 3);
  t += FixWidth(v.person, 40);
  t += FixWidth(v.phone, 20);
  t += FixWidth(v.telefax, 20);
  t += FixWidth(v.telex, 20);
  t += MaskedItem(LenientNumber(WithoutBlanks(v.recordCount)), "000000");
  t += DateFromDisplay(v.writingDate);
  return t;
}

std::string HeaderCountItem(uint64_t records) {
  return MaskedItem(static_cast<double>(std::min<uint64_t>(records, 999999)), "000000");
}

}  // namespace recbook
