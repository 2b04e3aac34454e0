#include "code_pickers.h"

#include <cctype>

#include "records/record_text.h"

namespace recbook {
namespace {

size_t CodeWidth(const CodeList& list) { return Spec(list.item).width; }

// Index into lines of the line the text names, by the list's rule; nullopt when none.
std::optional<size_t> MatchLine(std::span<const CodeLine> lines, OpenMatch match, size_t width,
                                std::string_view text) {
  if (match == OpenMatch::FirstCharacter) {
    if (text.empty()) return std::nullopt;
    for (size_t k = 0; k < lines.size(); ++k)
      if (lines[k].code[0] == text[0]) return k;
    return std::nullopt;
  }
  std::string code = FixWidth(text, width);
  if (match == OpenMatch::CheckedButton && code == " ") code = "0";  // [10Z]: a blank counts as 0
  for (size_t k = 0; k < lines.size(); ++k)
    if (lines[k].code == code) return k;
  return std::nullopt;
}

}  // namespace

size_t PickerOpenLine(const CodeList& list, std::string_view itemText) {
  const auto k = MatchLine(list.lines, list.match, CodeWidth(list), itemText);
  return k ? *k + 1 : 0;
}

std::optional<std::string> PickerResult(const CodeList& list, size_t line, Language language) {
  if (line > list.lines.size()) return std::nullopt;
  if (list.match == OpenMatch::CheckedButton) {
    if (line == 0) return std::nullopt;
    return std::string(list.lines[line - 1].code);
  }
  const std::string_view shown = line == 0 ? list.firstLine(language) : list.lines[line - 1].line(language);
  switch (list.picked) {
    case PickedPart::FirstCharacter: return FixWidth(shown, 1);
    case PickedPart::FirstTwo: return FixWidth(shown, 2);
    case PickedPart::LastThree:
      return shown.size() >= 3 ? std::string(shown.substr(shown.size() - 3)) : FixWidth(shown, 3);
  }
  return std::nullopt;
}

FrequencyChoice FrequencyBandFor(std::string_view entry) {
  const FrequencyDialogTexts& t = FrequencyTexts();
  const std::string compact = WithoutBlanks(entry);
  if (compact.empty()) return {std::nullopt, t.unfilled};
  const double f = LenientNumber(compact);
  const auto bands = FrequencyBands();
  std::optional<size_t> found;
  for (size_t k = 0; k < bands.size(); ++k) {
    if (f < bands[k].lower - kBandTolerance || f > bands[k].upper + kBandTolerance) continue;
    // A sub-band lies inside its band and follows it in the table, so the later match is the finer one.
    if (!found || bands[k].parent == static_cast<int>(*found)) found = k;
  }
  if (!found) return {std::nullopt, t.outOfBands};
  return {found, {}};
}

std::optional<size_t> BandwidthLine(std::string_view code) {
  const std::string c = FixWidth(code, 4);
  const auto lines = DesignationLists()[0].lines;
  if (c == "    ") return 0;
  for (size_t k = 1; k < lines.size(); ++k)
    if ((lines[k].code == "200K" || lines[k].code == "5M00") && lines[k].code == c) return k;
  size_t ks = 0;
  for (char ch : c) ks += ch == 'K';
  if (ks != 1) return std::nullopt;
  std::string number = c;
  number[number.find('K')] = '.';
  const double khz = LenientNumber(number);
  // Necessary bandwidth -> the channel-spacing line that holds it.
  constexpr struct { double below; std::string_view code; } kSpacing[] = {
      {4.41, "4K30"}, {5.51, "5K30"}, {8.81, "8K50"}, {11.1, "10K6"}, {14.1, "14K0"}, {16.1, "16K0"}};
  for (const auto& s : kSpacing) {
    if (khz >= s.below) continue;
    for (size_t k = 1; k < lines.size(); ++k)
      if (lines[k].code == s.code) return k;
  }
  return std::nullopt;
}

DesignationSelection SelectDesignationLines(std::string_view designation) {
  const std::string d = FixWidth(designation, 9);
  DesignationSelection out{};
  for (const DesignationList& list : DesignationLists()) {
    const size_t slot = static_cast<size_t>(list.part);
    if (list.part == DesignationPart::Bandwidth) {
      out[slot] = BandwidthLine(d.substr(0, 4));
      continue;
    }
    out[slot] = MatchLine(list.lines, OpenMatch::WholeCode, 1, d.substr(list.position, 1)).value_or(0);
  }
  return out;
}

std::string PlaceDesignationPart(std::string_view designation, DesignationPart part, size_t line) {
  std::string d = FixWidth(designation, 9);
  const DesignationList& list = DesignationLists()[static_cast<size_t>(part)];
  if (line < list.lines.size()) d.replace(list.position, list.width, list.lines[line].code);
  const auto last = d.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : d.substr(0, last + 1);
}

std::string FilterDesignationTyping(std::string_view typed) {
  std::string out;
  for (char c : typed) {
    if (out.size() == 9) break;
    const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (out.size() < 4 && !(std::isdigit(static_cast<unsigned char>(u)) || u == 'K' || u == 'M')) continue;
    out += u;
  }
  return out;
}

std::optional<ViewerCodeTable> ViewerCodes(ViewerTable table, const StationRecord& record) {
  const CodeList* list = nullptr;
  std::span<const CodeLine> lines;
  switch (table) {
    case ViewerTable::FrequencyCategory: list = &FrequencyCategories(); break;
    case ViewerTable::StationClass: list = &StationClasses(); lines = ViewerStationClasses(); break;
    case ViewerTable::ServiceNature: list = &ServiceNatures(); break;
    case ViewerTable::UseCategory: list = &UseCategories(); break;
    case ViewerTable::Country: list = &Countries(); break;
    case ViewerTable::Polarisation: list = &Polarisations(); lines = ViewerPolarisations(); break;
    case ViewerTable::Status: list = &CoordinationStatuses(); break;
    case ViewerTable::Designation:
    case ViewerTable::Reference: return std::nullopt;
  }
  if (lines.empty()) lines = list->lines;
  return ViewerCodeTable{list->title, lines,
                         MatchLine(lines, list->match, CodeWidth(*list), ItemText(record, list->item))};
}

}  // namespace recbook
