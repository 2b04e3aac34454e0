#include "forms/record_box_texts.h"

#include "entry/geo_entry_box.h"
#include "records/item_table.h"
#include "records/picture_mask.h"
#include "records/record_text.h"

namespace recbook {
namespace {

std::string TrimRight(std::string_view s) {
  const size_t end = s.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(s.substr(0, end + 1));
}

std::string TrimLeft(std::string_view s) {
  const size_t start = s.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string() : std::string(s.substr(start));
}

std::string FrequencyBox(std::string_view item) {
  const std::optional<double> mhz = FrequencyMHz(item);
  if (!mhz) return {};
  const std::optional<std::string> masked = FormatMask(*mhz, "#####.#####");
  return TrimLeft(masked ? *masked : TrimRight(item.substr(0, 11)));
}

std::string GeoBox(quorla::GeoKind kind, std::string_view half) {
  return IsBlankItem(half) ? std::string() : terrainmap::DisplayFromCompact(kind, half);
}

}  // namespace

RecordBoxTexts BoxTextsOf(const StationRecord& record) {
  RecordBoxTexts texts;
  for (const RecordBox& box : kRecordBoxes) {
    const std::string_view item = ItemText(record, box.item);
    std::string& text = BoxText(texts, box.id);
    switch (box.item) {
      case Item::k1A:
      case Item::k1Y: text = FrequencyBox(item); break;
      case Item::k2C:
      case Item::k2W:
      case Item::k2Z: text = DateToDisplay(item); break;
      case Item::k4C:
        text = IsBlankItem(item) ? std::string()
               : box.id == kLongitudeBox ? GeoBox(quorla::GeoKind::Longitude, item.substr(0, 8))
                                         : GeoBox(quorla::GeoKind::Latitude, item.substr(8, 7));
        break;
      default: text = TrimRight(item); break;
    }
  }
  return texts;
}

RecordBoxTexts NewRecordBoxTexts(const quorla::LocalTime& today) {
  RecordBoxTexts t;
  const std::pair<Item, const char*> defaults[] = {
      {Item::k1A, "0"},  {Item::k1Z, "2"},  {Item::k6A, "FB"}, {Item::k6B, "CP"},      {Item::k6Z, "O"},
      {Item::k10Z, "1"}, {Item::k4D, "0"},  {Item::k8B1, "0"}, {Item::k8B2, "E"},      {Item::k9A, "0"},
      {Item::k9B, "0"},  {Item::k9D, "V"},  {Item::k9G, "0"},  {Item::k9Y, "0"},       {Item::k9XH, "000ND00"},
      {Item::k9XV, "000ND00"}, {Item::k1Y, "0"}, {Item::k13Y, "B"},
  };
  for (const auto& [item, text] : defaults) BoxText(t, RecordBoxOf(item).id) = text;
  BoxText(t, kLongitudeBox) = "000 E 00 00";
  BoxText(t, kLatitudeBox) = "00 N 00 00";
  BoxText(t, RecordBoxOf(Item::k2W).id) = DateToDisplay(DateItem(today));
  return t;
}

StationValues StationValuesOf(const RecordBoxTexts& t) {
  const auto of = [&](Item item) { return BoxText(t, RecordBoxOf(item).id); };
  StationValues v;
  v.txFrequency = of(Item::k1A);
  v.frequencyCategory = of(Item::k1Z);
  v.stationClass = of(Item::k6A);
  v.natureOfService = of(Item::k6B);
  v.categoryOfUse = of(Item::k6Z);
  v.channelOccupation = of(Item::k10Z);
  v.dateInUse = of(Item::k2C);
  v.name = of(Item::k4A);
  v.country = of(Item::k4B);
  v.longitude = BoxText(t, kLongitudeBox);
  v.latitude = BoxText(t, kLatitudeBox);
  v.radius = of(Item::k4D);
  v.altitude = of(Item::k4Z);
  v.emission = of(Item::k7A);
  v.power = of(Item::k8B1);
  v.referenceAntenna = of(Item::k8B2);
  v.azimuth = of(Item::k9A);
  v.elevation = of(Item::k9B);
  v.polarisation = of(Item::k9D);
  v.gain = of(Item::k9G);
  v.antennaHeight = of(Item::k9Y);
  v.patternH = of(Item::k9XH);
  v.patternV = of(Item::k9XV);
  v.rxFrequency = of(Item::k1Y);
  v.remarks = of(Item::k13Z);
  v.status = of(Item::k13Y);
  v.requestDate = of(Item::k2W);
  v.finalDate = of(Item::k2Z);
  v.reference = of(Item::k13X);
  return v;
}

}  // namespace recbook
