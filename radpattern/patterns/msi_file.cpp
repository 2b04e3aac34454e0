#include "msi_file.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <string_view>

#include "text_number.h"

namespace radpattern {
namespace {

// Longer lines are cut; no real header or entry line comes near this.
constexpr size_t kMaxLineKept = 4096;

// Reads the next line ended by CR LF, LF or CR (or the end of the file) into line. False when
// the file has ended before the line.
bool NextLine(std::streambuf& in, std::string& line) {
  using Traits = std::streambuf::traits_type;
  line.clear();
  bool any = false;
  for (;;) {
    const Traits::int_type ch = in.sbumpc();
    if (Traits::eq_int_type(ch, Traits::eof())) return any;
    any = true;
    const char c = Traits::to_char_type(ch);
    if (c == '\n') return true;
    if (c == '\r') {
      if (Traits::eq_int_type(in.sgetc(), Traits::to_int_type('\n'))) in.sbumpc();
      return true;
    }
    if (line.size() < kMaxLineKept) line.push_back(c);
  }
}

bool StartsWithKeyword(std::string_view line, std::string_view keyword) {
  if (line.size() < keyword.size()) return false;
  for (size_t i = 0; i < keyword.size(); ++i) {
    const char c = line[i];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != keyword[i]) return false;
  }
  return true;
}

// The text from the 1-based character position on.
std::string_view From(std::string_view line, size_t position) {
  return position - 1 < line.size() ? line.substr(position - 1) : std::string_view();
}

// The first two blank- or tab-separated fields of an entry line, when both are numbers.
bool EntryNumbers(std::string_view line, double& angle, double& attenuation) {
  std::string_view fields[2];
  size_t count = 0;
  size_t i = 0;
  while (count < 2) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i == line.size()) return false;
    const size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    fields[count++] = line.substr(start, i - start);
  }
  const auto a = WholeNumber(fields[0]);
  const auto b = WholeNumber(fields[1]);
  if (!a || !b) return false;
  angle = *a;
  attenuation = *b;
  return true;
}

// 360 entries numbered 0, 1, 2, ... in order into diagram.
bool ReadDiagram(std::streambuf& in, std::string& line, MeasuredDiagram& diagram) {
  for (int k = 0; k < 360; ++k) {
    double angle = 0.0;
    double attenuation = 0.0;
    if (!NextLine(in, line) || !EntryNumbers(line, angle, attenuation) || angle != k) return false;
    diagram[k] = static_cast<float>(std::min(1.0, std::pow(10.0, -attenuation / 20.0)));
  }
  return true;
}

}  // namespace

int ReadMsi(std::istream& in, MsiPattern& out) {
  out = MsiPattern{};
  std::streambuf* buf = in.rdbuf();
  if (buf == nullptr) return kMsiNotKathrein;
  std::string line;
  if (!NextLine(*buf, line) || !StartsWithKeyword(line, "name")) return kMsiNotKathrein;
  out.name = std::string(From(line, 6));
  if (!NextLine(*buf, line) || !StartsWithKeyword(line, "frequency")) return kMsiNotKathrein;
  out.frequencyMHz = LeadingNumber(From(line, 10));
  if (!NextLine(*buf, line)) return kMsiNotKathrein;
  out.gainDbi = LeadingNumber(From(line, 5)) + 2.1;
  for (int ignored = 4; ignored <= 6; ++ignored) {
    if (!NextLine(*buf, line)) return kMsiNotKathrein;
  }
  if (!ReadDiagram(*buf, line, out.horizontal)) return kMsiTooShort;
  if (!NextLine(*buf, line)) return kMsiTooShort;  // the line between the diagrams
  if (!ReadDiagram(*buf, line, out.vertical)) return kMsiTooShort;
  return kMsiOk;
}

int ReadMsiFile(const std::string& path, MsiPattern& out, quorla::InputStatus* fileStatus) {
  out = MsiPattern{};
  int result = kMsiNotKathrein;
  const quorla::InputStatus status =
      quorla::ParseInputFile(path, kMaxMsiFileBytes, [&](std::istream& in) { result = ReadMsi(in, out); });
  if (fileStatus != nullptr) *fileStatus = status;
  return result;
}

quorla::BiText MsiReadMessage(int result) {
  if (result == kMsiNotKathrein) {
    return {"Selected file  isn't  Kathrein antenna file  !!",
            "Vybraný soubor  není  anténní soubor Kathrein  !!"};
  }
  if (result == kMsiTooShort) {
    return {"Selected file is shorter than Kathrein antenna file  !!",
            "Vybraný soubor  je kratší,  než by měl být  !!"};
  }
  return {};
}

}  // namespace radpattern
