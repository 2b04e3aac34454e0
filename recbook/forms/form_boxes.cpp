#include "forms/form_boxes.h"

namespace recbook {
namespace {

constexpr InputRule Digits(uint8_t n) { return {RuleKind::Number, n, 0, false}; }
constexpr InputRule Decimal(uint8_t before, uint8_t after, bool minus) { return {RuleKind::Number, before, after, minus}; }
constexpr InputRule Rule(RuleKind kind, uint8_t length = 0) { return {kind, length, 0, false}; }

}  // namespace

// The input rules of [9G], [13Z], [13Y] and [13X] follow their item encodings: [9G] a gain like
// [8B1], the remarks the text rule, the status one letter, the reference the text rule.
const std::array<RecordBox, kRecordBoxCount> kRecordBoxes{{
    {11, Item::k1A, {"[1A]  Tx  frequency:                                      MHz", "[1A]  Vysílací  kmitočet:                                MHz"}, Decimal(5, 5, false)},
    {12, Item::k1Z, {"[1Z]  Frequency categ.:", "[1Z]  Kategorie kmit.:"}, Digits(1)},
    {13, Item::k6A, {"[6A]  Class of station:", "[6A]  Třída stanice:"}, Rule(RuleKind::Letters, 2)},
    {14, Item::k6B, {"[6B]  Nature of service:", "[6B]  Druh služby:"}, Rule(RuleKind::Letters, 2)},
    {15, Item::k6Z, {"[6Z]  Category  of  use:", "[6Z]  Kategorie  užití:"}, Rule(RuleKind::Letters, 2)},
    {16, Item::k10Z, {"[10Z]  Channel occup.:", "[10Z]  Obsazení kanálu:"}, Rule(RuleKind::ChannelOccupation, 1)},
    {17, Item::k2C, {"[2C]  Date  of  bringing  into use:                                 .... Date format: DD-MM-YYYY", "[2C]  Datum  uvedení  do provozu:                                   .... Formát data: DD-MM-RRRR"}, Rule(RuleKind::Date, 10)},
    {18, Item::k4A, {"[4A]  Name of station:", "[4A]  Název stanice:"}, Rule(RuleKind::Text, 20)},
    {19, Item::k4B, {"[4B]  Country:  ", "[4B]  Stát:  "}, Rule(RuleKind::Letters, 3)},
    {20, Item::k4C, {"[4C]  Geo. co-ordin.   Lon:                               Lat:", "[4C]  Geo. souřadnice   Dél:                               Šíř:"}, Rule(RuleKind::Geo)},
    {21, Item::k4C, {"", ""}, Rule(RuleKind::Geo)},
    {22, Item::k4D, {"[4D]  Radius of serv. area:                     km", "[4D]  Poloměr obsluh. území:                    km"}, Digits(5)},
    {23, Item::k4Z, {"[4Z]  Height of stat. /sea:                     m", "[4Z]  Nadm. výška stanice:                       m"}, Digits(4)},
    {24, Item::k7A, {"[7A]  Designat. of emission:", "[7A]  Označení vysílání:"}, Rule(RuleKind::Text, 9)},
    {25, Item::k8B1, {"[8B1]  Max. radiat. power:                    dBW", "[8B1]  Max. vyzář. výkon:                      dBW"}, Decimal(2, 1, true)},
    {26, Item::k8B2, {"[8B2]  Type of referen. ant.:", "[8B2]  Typ referenční ant.:"}, Rule(RuleKind::ReferenceAntenna, 1)},
    {27, Item::k9A, {"[9A]  Azimuth of max. rad.:                   ", "[9A]  Azimut max. vyzař.:                     "}, Decimal(3, 1, false)},
    {28, Item::k9B, {"[9B]  Elevation of max. rad.:                   ", "[9B]  Elevace max. vyzař.:                      "}, Decimal(2, 1, true)},
    {29, Item::k9D, {"[9D]  Polarization:", "[9D]  Polarizace:"}, Rule(RuleKind::Letters, 2)},
    {30, Item::k9G, {"[9G]  Gain of Rx antenna:                    dB", "[9G]  Zisk přij. antény:                      dB"}, Decimal(2, 1, true)},
    {31, Item::k9Y, {"[9Y]  Height of antenna:                  m", "[9Y]  Výška antény:                       m"}, Digits(4)},
    {32, Item::k9XH, {"[9XH]  Type of ant. Horiz.:", "[9XH]  Typ ant. Horiz.:"}, Rule(RuleKind::AntennaCode, 7)},
    {33, Item::k9XV, {"[9XV]  Type of ant.Vert.:", "[9XV]  Typ ant. Vert.:"}, Rule(RuleKind::AntennaCode, 7)},
    {34, Item::k1Y, {"[1Y]  Tx freq. of corresponding Rx stat.  or  Reception  freq.:                                      MHz", "[1Y]  Vys. kmit. protější přij. stanice  nebo  Přijímací  kmit.:                                      MHz"}, Decimal(5, 5, false)},
    {35, Item::k13Z, {"[13Z]  Remarks:", "[13Z]  Poznámky:"}, Rule(RuleKind::Text, 50)},
    {36, Item::k13Y, {"[13Y]  Status of co-ordination:", "[13Y]  Stav koordinace:"}, Rule(RuleKind::Letters, 1)},
    {37, Item::k2W, {"[2W]  Date of co-ordination request:", "[2W]  Datum žádosti o koordinaci:"}, Rule(RuleKind::Date, 10)},
    {38, Item::k2Z, {"[2Z]  Final date of achieving co-ordination:", "[2Z]  Konečné datum dosažení koordinace:"}, Rule(RuleKind::Date, 10)},
    {39, Item::k13X, {"[13X]  Co-ord. reference:", "[13X]  Koord. reference:"}, Rule(RuleKind::Text, 15)},
}};

const RecordBox* RecordBoxOf(int id) {
  if (id < kFirstBox || id >= kFirstBox + static_cast<int>(kRecordBoxCount)) return nullptr;
  return &kRecordBoxes[static_cast<size_t>(id - kFirstBox)];
}

const RecordBox& RecordBoxOf(Item item) {
  for (const RecordBox& box : kRecordBoxes)
    if (box.item == item) return box;
  return kRecordBoxes[0];  // every item has a box
}

const std::array<HeaderBox, kHeaderBoxCount> kHeaderBoxes{{
    {11, HeaderItem::kFileNumber, {"File  number:                ...  0 - 99:  ", "Číslo  souboru:               ...  0 - 99:  "},
     {"file identifier in common data carrier  (CD, compresed file, ...)", "identifikace souboru na společném nosiči dat  (CD, komprimovaný soubor, ...)"}, Digits(2)},
    {12, HeaderItem::kDescription, {"Description  of  file  contents:", "Popis  obsahu  souboru:"}, {}, Rule(RuleKind::Text, 80)},
    {13, HeaderItem::kContentsCode, {"File  contents  code:            ...  O = overall list,  N = new entries,  ", "Kód  obsahu  souboru:            ...  O = celkový seznam,  N = nové záznamy,  "},
     {"M = modifications,  D = deletions,  A = answer", "M = změny,  D = zrušení,  A = odpověď"}, Rule(RuleKind::ContentsCode, 1)},
    {14, HeaderItem::kCountry, {"Country:", "Stát:"}, {}, Rule(RuleKind::Upper, 3)},
    {15, HeaderItem::kPerson, {"Name of respons. person:", "Jméno odpověd. osoby:"}, {}, Rule(RuleKind::Text, 40)},
    {16, HeaderItem::kPhone, {"Phone: ...........", "Telefon: ........."}, {}, Rule(RuleKind::Text, 20)},
    {17, HeaderItem::kTelefax, {"Telefax: ..........", "Telefax: .........."}, {}, Rule(RuleKind::Text, 20)},
    {18, HeaderItem::kTelex, {"Telex / E- mail:", "Telex / E- mail:"}, {}, Rule(RuleKind::EmailText, 20)},
    {19, HeaderItem::kCount, {"Number of records in file:                      ...  program edits itself", "Počet rekordů v souboru:                        ...  program upravuje sám"}, {}, Rule(RuleKind::Fixed)},
    {20, HeaderItem::kWritingDate, {"Writing  date:  ............", "Datum  zápisu:  ............"}, {}, Rule(RuleKind::Date, 10)},
}};

}  // namespace recbook
