#pragma once
// The agreement's closed code lists, its frequency bands and the texts of the "Info" dialogs that
// explain an item and let the user pick a code. The same lists are what the record check tests.
//
// Lines are single-byte text: the degree sign of the slant polarisations is the byte 0xB0, and the
// Czech lines are written without diacritics so that every line is one byte per character in any
// single-byte code page and lines up in the fixed-pitch list boxes.
#include <optional>
#include <span>
#include <string_view>

#include "bilingual_texts.h"
#include "records/item_table.h"

namespace recbook {

using quorla::BiText;
using quorla::Language;

// One line of a list: the code as stored in the record (item width) and the line shown.
struct CodeLine {
  std::string_view code;
  BiText line;
};

// How a picker finds the line of the current item text when it opens.
enum class OpenMatch : uint8_t {
  FirstCharacter,  // the first line whose code starts with the text's first character
  WholeCode,       // the first line whose code equals the text
  CheckedButton,   // two option buttons: the one whose code equals the text
};
// What "&OK" writes: the first character, the first two characters or the last three of the line.
enum class PickedPart : uint8_t { FirstCharacter, FirstTwo, LastThree };

struct CodeList {
  Item item;
  BiText title;      // the dialog title, e.g. "  [1Z]  Frequency categories"
  BiText moreInfo;   // the help line under the list; empty when the dialog has none
  BiText firstLine;  // the choice for a missing or wrong code (list and code pickers)
  BiText linkLine;   // "If [1A]=blank than [1Z] is linked to [1Y] else to [1A]"; empty when none
  std::span<const CodeLine> lines;
  OpenMatch match;
  PickedPart picked;
};

// The lists of the items with a picker, in the order of the record.
const CodeList& FrequencyCategories();  // [1Z]
const CodeList& StationClasses();       // [6A]
const CodeList& ServiceNatures();       // [6B]
const CodeList& UseCategories();        // [6Z]
const CodeList& ChannelOccupations();   // [10Z]
const CodeList& Countries();            // [4B]
const CodeList& ReferenceAntennas();    // [8B2]
const CodeList& Polarisations();        // [9D]
const CodeList& CoordinationStatuses(); // [13Y]
// The list of an item, nullptr for an item without one.
const CodeList* CodeListOf(Item item);

// [10Z] "0" has a second explanation line under its option button.
BiText ChannelOccupationZeroDetail();
// The text above the two option buttons of [10Z] and [8B2].
BiText OptionPickerWrongCode();

// Designation of emission [7A], "FFFFmntdp": six lists, each starting with the empty line.
enum class DesignationPart : uint8_t { Bandwidth, Modulation, Signal, Information, Details, Multiplex };
inline constexpr size_t kDesignationPartCount = 6;
struct DesignationList {
  DesignationPart part;
  size_t position;  // first character in [7A], 0-based
  size_t width;     // 4 for the bandwidth, else 1
  std::span<const CodeLine> lines;  // lines[0] is "Empty item  !!" with a blank code
};
std::span<const DesignationList, kDesignationPartCount> DesignationLists();

struct DesignationTexts {
  BiText title, heading, columns, optionalItems, reference;
};
const DesignationTexts& DesignationDialogTexts();

// The agreement's frequency bands as the frequency dialog lists them (MHz).
struct FrequencyBand {
  BiText line;
  double lower, upper;
  std::string_view representative;  // put into the entry when the band is chosen
  BiText group;                     // "  only Emerg/secur. " and the like; empty when none
  int parent;                       // index of the band that contains this sub-band, -1 when none
  bool tested;                      // one of the fourteen bands of the record check
};
std::span<const FrequencyBand> FrequencyBands();
// The tolerance of the band test: lower - 0.0001 <= f <= upper + 0.0001.
inline constexpr double kBandTolerance = 0.0001;
// True when f lies in one of the fourteen tested bands.
bool InTestedBand(double mhz);

struct FrequencyDialogTexts {
  BiText txTitle, rxTitle, heading, txEntry, rxEntry, rxNote, unfilled, outOfBands;
};
const FrequencyDialogTexts& FrequencyTexts();

// The co-ordination reference [13X]: the layout line and its explanation.
struct ReferenceTexts {
  BiText title, layout;
  std::span<const BiText> explanation;
};
const ReferenceTexts& ReferenceLayout();

// Explanation dialogs: fixed help lines.
std::span<const BiText> NameHelp();          // [4A]
std::span<const BiText> RadiusHelp();        // [4D]
std::span<const BiText> GainHelp();          // [9G]
std::span<const BiText> AntennaHeightHelp(); // [9Y]

// The record form's "Info" button: its caption follows the edit box with the focus.
enum class InfoDialog : uint8_t {
  FrequencyBands, CodePicker, ListPicker, Explanation, Coordinates, Altitude, DesignationBuilder,
  PowerCalculator, AntennaEditor, AntennaCodes, ReferenceLayout
};
struct InfoButton {
  BiText caption;
  InfoDialog dialog;
};
// nullopt for the boxes without a dialog ([2C], [13Z], [2W], [2Z]): the button is hidden.
std::optional<InfoButton> InfoButtonFor(Item item);

// Buttons of every dialog.
BiText OkButton();
BiText CancelButton();

// The exchange data viewer's help: one dialog to choose a table, shown read-only.
enum class ViewerTable : uint8_t {
  FrequencyCategory, StationClass, ServiceNature, UseCategory, Country, Designation, Polarisation,
  Status, Reference
};
inline constexpr size_t kViewerTableCount = 9;
struct ViewerHelpTexts {
  BiText title, show, cancel;
  std::span<const BiText, kViewerTableCount> choices;
};
const ViewerHelpTexts& ViewerHelp();
// The viewer's own [6A] and [9D] lines (single blanks around "="), in list order.
std::span<const CodeLine> ViewerStationClasses();
std::span<const CodeLine> ViewerPolarisations();

}  // namespace recbook
