#include "entry/geo_entry_box.h"

#include <vector>

namespace terrainmap {
namespace {

struct Digit {
  char c;
  int source;  // index in the typed text, -1 for padding
};

struct Layout {
  int degreeDigits;  // 3 or 2
  int limit;         // 180 or 90
  char positive, negative;
};

Layout LayoutOf(quorla::GeoKind kind) {
  return kind == quorla::GeoKind::Longitude ? Layout{3, 180, 'E', 'W'} : Layout{2, 90, 'N', 'S'};
}

// Display position of digit slot i: degrees, blank, H, blank, minutes, blank, seconds, ".", tenths.
int SlotPosition(const Layout& l, int slot) {
  const int d = l.degreeDigits;
  if (slot < d) return slot;
  if (slot < d + 2) return slot + 3;
  if (slot < d + 4) return slot + 4;
  return slot + 5;
}

std::string Build(const Layout& l, const std::vector<Digit>& digits, char hemisphere, bool tenths) {
  std::string t;
  for (int i = 0; i < l.degreeDigits; ++i) t += digits[i].c;
  t += ' ';
  t += hemisphere;
  t += ' ';
  const int d = l.degreeDigits;
  t += digits[d].c;
  t += digits[d + 1].c;
  t += ' ';
  t += digits[d + 2].c;
  t += digits[d + 3].c;
  if (tenths) {
    t += '.';
    t += digits[d + 4].c;
  }
  return t;
}

void Pad(std::vector<Digit>& digits, size_t needed) {
  while (digits.size() < needed) digits.push_back({'0', -1});
}

}  // namespace

BoxEdit NormaliseGeoBox(quorla::GeoKind kind, bool tenths, std::string_view text, int caret,
                        const GeoBoxProperties& properties) {
  const Layout l = LayoutOf(kind);
  const int d = l.degreeDigits;
  const size_t needed = d + 4 + (tenths ? 1 : 0);
  if (caret < 0) caret = 0;
  if (caret > static_cast<int>(text.size())) caret = static_cast<int>(text.size());
  const int typed = caret - 1;

  std::vector<Digit> digits;
  char hemisphere = 0, typedHemisphere = 0;
  int digitsBeforeCaret = 0;
  for (int i = 0; i < static_cast<int>(text.size()); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c >= '0' && c <= '9') {
      digits.push_back({c, i});
      if (i < caret) ++digitsBeforeCaret;
    } else if ((c == l.positive || c == l.negative) && static_cast<int>(digits.size()) >= d) {
      if (!hemisphere) hemisphere = c;
      if (i == typed) typedHemisphere = c;
    }
  }
  if (typedHemisphere) hemisphere = typedHemisphere;
  if (!hemisphere) hemisphere = l.positive;
  Pad(digits, needed);

  // Minutes and seconds tens digits of 6 or more are refused.
  int refusedAt = -1;
  for (bool again = true; again;) {
    again = false;
    for (const int slot : {d, d + 2}) {
      if (digits[slot].c < '6') continue;
      if (digits[slot].source == typed && typed >= 0) {
        digits[slot] = {'0', -1};
      } else {
        digits.erase(digits.begin() + slot);
        Pad(digits, needed);
        again = true;
      }
      refusedAt = SlotPosition(l, slot);
    }
  }
  digits.resize(needed);

  BoxEdit edit;
  int degrees = 0;
  for (int i = 0; i < d; ++i) degrees = degrees * 10 + (digits[i].c - '0');
  bool restZero = true;
  for (size_t i = d; i < needed; ++i) restZero = restZero && digits[i].c == '0';
  if (degrees > l.limit || (degrees == l.limit && !restZero)) {
    for (int i = 0; i < d; ++i) digits[i] = {'0', -1};
    edit.text = Build(l, digits, hemisphere, tenths);
    edit.selectionStart = 0;
    edit.selectionEnd = std::min(13, static_cast<int>(edit.text.size()));
    return edit;
  }
  edit.text = Build(l, digits, hemisphere, tenths);
  if (refusedAt >= 0) {
    edit.selectionStart = edit.selectionEnd = refusedAt;
    return edit;
  }

  // The caret stays after the same number of digits, then skips the fixed characters.
  const int slots = static_cast<int>(needed);
  int c = digitsBeforeCaret >= slots ? SlotPosition(l, slots - 1) + 1
          : digitsBeforeCaret <= d   ? digitsBeforeCaret
                                     : SlotPosition(l, digitsBeforeCaret - 1) + 1;
  const int skip = kind == quorla::GeoKind::Longitude ? properties.lonSkip : properties.latSkip;
  if (c == d) c = skip == 0 ? d + 3 : d + 1;
  else if (c == d + 5) c += 1;  // over the blank between minutes and seconds
  if (tenths && c == d + 8) c += 1;
  const int last = tenths ? d + 9 : d + 7;
  if (c > last) c = last;
  edit.selectionStart = edit.selectionEnd = c;
  return edit;
}

std::string DisplayFromCompact(quorla::GeoKind kind, std::string_view compact) {
  const int d = LayoutOf(kind).degreeDigits;
  const std::string t(compact);
  if (static_cast<int>(t.size()) < d + 5) return t;
  return t.substr(0, d) + " " + t.substr(d, 1) + " " + t.substr(d + 1, 2) + " " + t.substr(d + 3);
}

}  // namespace terrainmap
