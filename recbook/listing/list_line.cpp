#include "listing/list_line.h"

#include <algorithm>
#include <cstring>

#include "listing/masked_number.h"
#include "records/item_table.h"
#include "records/picture_mask.h"
#include "records/record_text.h"

namespace recbook {
namespace {

// The last count digits of n, leading zeros included.
void WriteDigits(uint32_t n, int count, char* out) {
  for (int i = count - 1; i >= 0; --i, n /= 10) out[i] = static_cast<char>('0' + n % 10);
}

bool AllDigits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// DateSortKey without building texts when the item is eight digits.
long FastDateKey(std::string_view item) {
  if (!AllDigits(item)) return DateSortKey(item);
  auto num = [&](size_t at, size_t n) {
    long v = 0;
    for (size_t i = 0; i < n; ++i) v = v * 10 + (item[at + i] - '0');
    return v;
  };
  return num(4, 4) * 10000 + num(2, 2) * 100 + num(0, 2);
}

void Put(char*& p, std::string_view s) {
  std::memcpy(p, s.data(), s.size());
  p += s.size();
}
void Blanks(char*& p, size_t n) {
  std::memset(p, ' ', n);
  p += n;
}

// A frequency item in MHz; kHz and GHz items go through their value.
void WriteFrequency(std::string_view item, char*& p) {
  if (IsBlankItem(item.substr(0, 11)))
    std::memset(p, ' ', 10);
  else if (FrequencyUnit(item) != 'M')
    WriteMaskedValue(*FrequencyMHz(item), 5, 4, p);
  else
    WriteMaskedNumber(item.substr(0, 11), 5, 4, p);
  p += 10;
}

// A masked numeric item, or as many blanks when the item is blank.
void WriteNumberOrBlank(std::string_view item, int intPositions, int decimals, char*& p) {
  const size_t width = static_cast<size_t>(intPositions + (decimals > 0 ? decimals + 1 : 0));
  if (IsBlankItem(item))
    std::memset(p, ' ', width);
  else
    WriteMaskedNumber(item, intPositions, decimals, p);
  p += width;
}

bool HasNd(std::string_view code) { return code.substr(3, 2) == "ND"; }

void WriteBase(const StationRecord& r, char* p) {
  Put(p, ItemText(r, Item::k4B));
  Blanks(p, 1);
  const std::string_view name = ItemText(r, Item::k4A).substr(0, 14);
  if (name[13] != ' ') {
    Put(p, name.substr(0, 13));
    Put(p, ".");
  } else {
    Put(p, name);
  }
  Blanks(p, 2);
  Put(p, ItemText(r, Item::k6A));
  Blanks(p, 1);
  Put(p, ItemText(r, Item::k1Z));
  Blanks(p, 2);
  const std::string_view geo = ItemText(r, Item::k4C);
  Put(p, geo.substr(0, 8));
  Put(p, ",");
  Put(p, geo.substr(8, 7));
  WriteFrequency(ItemText(r, Item::k1A), p);
}

void WriteSegmentA(const StationRecord& r, char* p) {
  WriteFrequency(ItemText(r, Item::k1Y), p);
  WriteNumberOrBlank(ItemText(r, Item::k8B1), 4, 1, p);
  WriteNumberOrBlank(ItemText(r, Item::k9Y), 4, 0, p);
  const std::string_view h = ItemText(r, Item::k9XH), v = ItemText(r, Item::k9XV);
  const bool nd = (HasNd(h) && HasNd(v)) || (IsBlankItem(h) && IsBlankItem(v));
  Put(p, nd ? "   ND  " : "  Dir  ");
  Put(p, ItemText(r, Item::k13Y));
}

void WriteSegmentB(const StationRecord& r, char* p) {
  WriteNumberOrBlank(ItemText(r, Item::k4D), 5, 0, p);
  Blanks(p, 2);
  Put(p, ItemText(r, Item::k6B));
  Blanks(p, 2);
  Put(p, ItemText(r, Item::k6Z));
  Blanks(p, 2);
  const long key = std::max(FastDateKey(ItemText(r, Item::k2W)), FastDateKey(ItemText(r, Item::k2Z)));
  char digits[8];
  if (key >= 0 && key <= 99999999) {
    WriteDigits(static_cast<uint32_t>(key), 8, digits);
  } else {
    std::memcpy(digits, MaskedItem(static_cast<double>(key), "00000000").data(), 8);
  }
  Put(p, {digits, 4});
  Put(p, "-");
  Put(p, {digits + 4, 2});
  Put(p, "-");
  Put(p, {digits + 6, 2});
  Blanks(p, 2);
  Put(p, ItemText(r, Item::k13Y));
}

void WriteSegmentC(const StationRecord& r, char* p) {
  Blanks(p, 3);
  Put(p, ItemText(r, Item::k13Y));
  Blanks(p, 3);
  std::string_view raw = ItemText(r, Item::k13X);
  const size_t first = raw.find_first_not_of(' ');
  raw = first == std::string_view::npos ? std::string_view() : raw.substr(first);
  char ref[15];
  std::memset(ref, ' ', sizeof ref);
  if (!raw.empty()) std::memcpy(ref, raw.data(), raw.size());
  if (!IsBlankItem({ref, 3}))
    for (int i = 0; i < 3; ++i)
      if (ref[i] == ' ') ref[i] = '_';
  for (char& c : ref) c = c == ' ' ? '?' : c;
  const std::string_view s(ref, sizeof ref);
  Put(p, s.substr(0, 3));
  Put(p, ",");
  Put(p, s.substr(3, 2));
  Put(p, "-");
  Put(p, s.substr(5, 6));
  Put(p, "-");
  Put(p, s.substr(11, 2));
  Put(p, ",");
  Put(p, s.substr(13, 1));
  Put(p, ",");
  Put(p, s.substr(14, 1));
  Blanks(p, 1);
}

// Segment order in a view: first, second, third.
constexpr Segment kViewSegments[3][3] = {
    {Segment::A, Segment::B, Segment::C},  // view A
    {Segment::C, Segment::A, Segment::B},  // view B
    {Segment::B, Segment::A, Segment::C},  // view C
};
constexpr size_t kSlotOffset[3] = {kBaseOffset + kBaseSize, kBaseOffset + kBaseSize + kSegmentSize + 5,
                                   kBaseOffset + kBaseSize + 2 * kSegmentSize + 5};

}  // namespace

ListView ViewOfOrder(int order) {
  if (order == 315) return ListView::B;
  if (order >= 312 && order <= 314) return ListView::C;
  return ListView::A;
}

size_t SegmentOffset(ListView view, Segment segment) {
  const auto& slots = kViewSegments[static_cast<int>(view)];
  for (int i = 0; i < 3; ++i)
    if (slots[i] == segment) return kSlotOffset[i];
  return kSlotOffset[0];
}

void BuildListLine(const StationRecord& record, uint32_t k, char* out) {
  std::memset(out, ' ', kListLineSize);
  WriteBase(record, out + kBaseOffset);
  WriteSegmentA(record, out + SegmentOffset(ListView::A, Segment::A));
  WriteSegmentB(record, out + SegmentOffset(ListView::A, Segment::B));
  WriteSegmentC(record, out + SegmentOffset(ListView::A, Segment::C));
  WriteDigits(k % 10000000u, 7, out + kNumberOffset);
}

std::string BuildListLine(const StationRecord& record, uint32_t k) {
  std::string line(kListLineSize, ' ');
  BuildListLine(record, k, line.data());
  return line;
}

void ConvertLineView(const char* from, ListView fromView, char* to, ListView toView) {
  std::memcpy(to, from, kListLineSize);
  if (fromView == toView) return;
  for (Segment s : {Segment::A, Segment::B, Segment::C})
    std::memcpy(to + SegmentOffset(toView, s), from + SegmentOffset(fromView, s), kSegmentSize);
}

std::string ConvertLineView(std::string_view line, ListView fromView, ListView toView) {
  std::string out(kListLineSize, ' ');
  if (line.size() < kListLineSize) return std::string(line);
  ConvertLineView(line.data(), fromView, out.data(), toView);
  return out;
}

uint32_t RecordNumberOf(std::string_view line) {
  if (line.size() < 7) return 0;
  return static_cast<uint32_t>(LenientNumber(line.substr(line.size() - 7)));
}

std::string ColumnHeading(ListView view, quorla::Language language) {
  const bool en = language == quorla::Language::English;
  std::string h = "\u00A4" + std::string(5, ' ');
  h += en ? "Cnt    Name of station         class  cat.  Geo. coordinates" + std::string(16, ' ')
          : "Stát   Jméno stanice           třída  kat.  Geo. souřadnice" + std::string(17, ' ');
  h += "frTx [MHz]";
  switch (view) {
    case ListView::A: h += "       frRx [MHz]      dBW   ha[m]   Ant.  status"; break;
    case ListView::B: h += en ? "    status    co-ordination Reference" : "    status    Reference koordinace"; break;
    case ListView::C:
      h += en ? "    R[km]  natu.  use       date [y-m-d]    status" : "     R[km]  druh  použ.   datum [r-m-d]   status";
      break;
  }
  return h;
}

std::string ViewerLine(std::string_view listLine) {
  if (listLine.size() < 3) return " ";
  return " " + std::string(listLine.substr(3));
}

std::string ViewerColumnHeading(ListView view) {
  // Two blanks between "class" and "cat.": the heading places them over their own columns.
  std::string h = "Cnt    Name of stat.            class  cat.  Geo. coordinates" + std::string(13, ' ') + "frTx [MHz]";
  switch (view) {
    case ListView::A: h += "       frRx [MHz]      dBW   ha[m]    Ant.  status"; break;
    case ListView::B: h += "    status    co-ordinat. Reference"; break;
    case ListView::C: h += "    R[km]   natu.  use      date [y-m-d]    status"; break;
  }
  return h;
}

}  // namespace recbook
