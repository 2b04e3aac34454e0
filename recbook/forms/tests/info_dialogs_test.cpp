// The presenters of the picker, frequency and designation dialogs: the line a picker opens on,
// what "&OK" writes, the band the frequency dialog selects and its status line, the designation
// split into its lists and rebuilt from them.
#include <gtest/gtest.h>

#include "forms/code_picker_presenter.h"
#include "forms/designation_builder_presenter.h"
#include "forms/frequency_dialog_presenter.h"
#include "records/record_text.h"
#include "tests/clean_station.h"

namespace recbook::testing {
namespace {

using quorla::Language;

InfoRequest RequestFor(Item item, std::string_view stored, Language language = Language::English) {
  const RecordBoxTexts texts = BoxTextsOf(Fixed({{item, stored}}));
  return *InfoRequestFor(RecordBoxOf(item).id, language, " Test:", texts);
}

class NoPickerView : public CodePickerView {
 public:
  void SelectLine(size_t line) override { shown = line; }
  size_t shown = 999;
};

// The picker line whose text starts with start; fails the test when there is none.
size_t LineStarting(const PickerLayout& layout, std::string_view start) {
  for (size_t k = 0; k < layout.lines.size(); ++k)
    if (layout.lines[k].starts_with(start)) return k;
  ADD_FAILURE() << "no line " << start;
  return 0;
}

TEST(CodePicker, OpensOnTheBoxCodeAndOkWritesTheChosenCode) {
  constexpr struct {
    Item item;
    std::string_view stored;
    std::string_view openLine;  // start of the line the picker opens on; empty: the first line
    std::string_view chosen;    // start of the line chosen; empty: the first line
    std::string_view written;
  } kCases[] = {
      {Item::k6Z, "HH", "H = Radio reley network", "HH= Local call", "HH"},
      {Item::k6Z, "A ", "A = Airport services", "G = Military", "G "},
      {Item::k9D, "SR", "SR = Right-hand slant", "H  =  Horizontal linear ", "H "},
      {Item::k4B, "D  ", "Germany ....", "Germany ....", "D  "},
      {Item::k4B, "SVK", "Slovak Republic", "Austria", "AUT"},
      {Item::k4B, "NOR", "", "", "   "},  // any text is a country; the list only helps
      {Item::k6A, "XX", "", "", "  "},    // unknown code: the wrong-code line, OK clears the item
      {Item::k6A, "ML", "ML  =  Land mobile", "FB  =  Base", "FB"},
      {Item::k6B, "OT", "OT  =", "CO  =", "CO"},
      {Item::k1Z, " ", "", "3  =", "3"},
      {Item::k1Z, "5", "5  =", "", " "},
      {Item::k13Y, "Z", "Z =  Request for agreement refused", "W=  Withdrawal", "W"},
      {Item::k10Z, " ", "0:  No continuous", "1:  Continuous", "1"},  // a blank counts as "0"
      {Item::k8B2, "I", "I:   Power", "E:  Power", "E"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(Spec(c.item).code) + " " + std::string(c.stored));
    NoPickerView view;
    CodePickerPresenter picker(RequestFor(c.item, c.stored), view);
    picker.Open();
    const PickerLayout& l = picker.layout();
    const size_t open = c.openLine.empty() ? 0 : LineStarting(l, c.openLine);
    EXPECT_EQ(view.shown, open);
    EXPECT_EQ(picker.selected(), open);
    picker.Choose(c.chosen.empty() ? 0 : LineStarting(l, c.chosen));
    EXPECT_EQ(picker.Ok(), (BoxWrites{{RecordBoxOf(c.item).id, std::string(c.written)}}));
  }
}

// The two-button pickers: an unknown code checks no button, and OK then leaves the item alone.
TEST(CodePicker, TwoButtonsWithNeitherCheckedWriteNothing) {
  for (const auto& [item, stored] : {std::pair{Item::k10Z, "7"}, std::pair{Item::k8B2, "X"}}) {
    NoPickerView view;
    CodePickerPresenter picker(RequestFor(item, stored), view);
    picker.Open();
    EXPECT_EQ(picker.layout().shape, PickerShape::TwoButtons);
    EXPECT_EQ(picker.layout().wrongCode, "...  Wrong code  !!  ");
    EXPECT_EQ(picker.layout().lines.size(), 3u);
    EXPECT_EQ(view.shown, 0u);
    EXPECT_TRUE(picker.Ok().empty());
    picker.Choose(7);  // no such line: the choice stays
    EXPECT_TRUE(picker.Ok().empty());
  }
}

TEST(CodePicker, ShapeAndHelpLinesFollowTheItem) {
  constexpr struct {
    Item item;
    PickerShape shape;
    std::string_view first, link;
  } kCases[] = {
      {Item::k1Z, PickerShape::OptionButtons, "  ....  Unfilled in  (wrong)  code  !! ",
       "If [1A]=blank than [1Z] is linked to [1Y] else to [1A]"},
      {Item::k6Z, PickerShape::ListBox, "    Unfilled in  or  Wrong  code  !!",
       "If [1A]=blank than [6Z] is linked to [1Y] else to [1A]"},
      {Item::k4B, PickerShape::ListBox, "Unfilled in / Else code   ", ""},
      {Item::k9D, PickerShape::OptionButtons, "  .....  Unspecified  or  Wrong  code  !! ", ""},
      {Item::k13Y, PickerShape::ListBox, "       Unfilled in  or  Wrong  code  !!", ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(Spec(c.item).code);
    NoPickerView view;
    const PickerLayout l = CodePickerPresenter(RequestFor(c.item, ""), view).layout();
    EXPECT_EQ(l.shape, c.shape);
    EXPECT_EQ(l.lines.front(), c.first);
    EXPECT_EQ(l.linkLine, c.link);
    EXPECT_EQ(l.lines.size(), l.details.size());
  }
  NoPickerView view;
  const PickerLayout occupation = CodePickerPresenter(RequestFor(Item::k10Z, "1"), view).layout();
  EXPECT_EQ(occupation.title, "  [10Z]  Channel occupation");
  EXPECT_EQ(occupation.details[1].substr(0, 23), "transmitting to non-tra");
  EXPECT_TRUE(occupation.details[2].empty());
  // The Czech set is a full parallel set: no line falls back to English.
  const PickerLayout czech = CodePickerPresenter(RequestFor(Item::k6A, "FB", Language::Czech), view).layout();
  const PickerLayout english = CodePickerPresenter(RequestFor(Item::k6A, "FB"), view).layout();
  for (size_t k = 0; k < czech.lines.size(); ++k) EXPECT_NE(czech.lines[k], english.lines[k]) << k;
  EXPECT_NE(czech.title, english.title);
}

struct RecordingFrequencyView : FrequencyDialogView {
  void ShowEntry(const std::string& text) override { entry = text; }
  void SelectBand(std::optional<size_t> b) override { band = b; }
  void ShowStatus(const std::string& text) override { status = text; }
  std::string entry = "?", status = "?";
  std::optional<size_t> band = 99;
};

std::string BandLine(std::optional<size_t> band) {
  return band ? std::string(FrequencyBands()[*band].line.en) : std::string("none");
}

TEST(FrequencyDialog, TypingSelectsTheBandAndSaysWhenNoneHoldsIt) {
  constexpr struct {
    std::string_view typed, entry, band, status;
  } kCases[] = {
      {"169.7", "169.7", "  169.6125 ... 169.8125  ERMES ", ""},
      {"162", "162", "150.05 ... 174 ", ""},
      {"900", "900", "  890 ..... 915  GSM900 ", ""},
      {"940", "940", "  935 ..... 960  GSM900 ", ""},
      {"920", "920", "862 ........ 960 ", ""},
      {"47.00005", "47.00005", "  29.7 ...... 47 ", ""},  // inside the band's tolerance
      {"47.0002", "47.0002", "none", "Out of freq. bands !!"},
      {"500", "500", "none", "Out of freq. bands !!"},
      {"", "", "none", "Freq. unfilled in !!"},
      {"4a4x0.5", "440.5", "440 ........ 470 ", ""},  // the form's rule for frequencies
      {"383", "383", "  380 ..... 385", ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.typed));
    RecordingFrequencyView view;
    FrequencyDialogPresenter dialog(RequestFor(Item::k1A, "  150.50000M"), view);
    dialog.Open();
    const RuledText r = dialog.Typed(c.typed, static_cast<int>(c.typed.size()));
    EXPECT_EQ(r.text, c.entry);
    EXPECT_EQ(BandLine(view.band), c.band);
    EXPECT_EQ(view.status, c.status);
    EXPECT_EQ(dialog.Ok(), (BoxWrites{{RecordBoxOf(Item::k1A).id, std::string(c.entry)}}));
  }
}

TEST(FrequencyDialog, OpensOnTheBoxAndChoosingABandPutsItsFrequency) {
  RecordingFrequencyView view;
  FrequencyDialogPresenter dialog(RequestFor(Item::k1Y, "  160.50000M"), view);
  dialog.Open();
  EXPECT_EQ(view.entry, "160.50000");
  EXPECT_EQ(BandLine(view.band), "150.05 ... 174 ");
  EXPECT_EQ(view.status, "");
  EXPECT_EQ(dialog.layout().title, "  [1Y]  Tx freq. of corresp.Rx stat. / Rx freq.");
  EXPECT_EQ(dialog.layout().entryLabel.substr(0, 8), "f (Rx) =");
  EXPECT_FALSE(dialog.layout().rxNote.empty());
  dialog.Typed("", 0);
  EXPECT_EQ(view.status, "Freq. unfilled in !!");
  for (size_t b = 0; b < FrequencyBands().size(); ++b) {
    dialog.ChooseBand(b);
    EXPECT_EQ(view.entry, FrequencyBands()[b].representative);
    EXPECT_EQ(view.band, b);
    EXPECT_EQ(view.status, "");
    // The representative frequency lies in the band it stands for: typing it selects that band or
    // a sub-band of it (911 MHz of 862-960 lies in GSM900 890-915).
    dialog.Typed(view.entry, 0);
    ASSERT_TRUE(view.band);
    EXPECT_TRUE(*view.band == b || FrequencyBands()[*view.band].parent == static_cast<int>(b)) << BandLine(b);
  }
  EXPECT_EQ(dialog.Ok(), (BoxWrites{{RecordBoxOf(Item::k1Y).id, "2155.0"}}));
  RecordingFrequencyView tx;
  FrequencyDialogPresenter transmitter(RequestFor(Item::k1A, "            "), tx);
  transmitter.Open();
  EXPECT_EQ(tx.status, "Freq. unfilled in !!");
  EXPECT_TRUE(transmitter.layout().rxNote.empty());
}

struct RecordingDesignationView : DesignationBuilderView {
  void ShowDesignation(const std::string& text) override { shown = text; }
  void SelectLines(const DesignationSelection& s) override { lines = s; }
  std::string shown = "?";
  DesignationSelection lines{};
};

// The code of each list's selected line, "-" for none, "_" for the empty line.
std::string SelectedCodes(const DesignationSelection& s) {
  std::string out;
  for (size_t k = 0; k < kDesignationPartCount; ++k) {
    if (!s[k]) {
      out += "-/";
      continue;
    }
    const std::string_view code = DesignationLists()[k].lines[*s[k]].code;
    out += (code.find_first_not_of(' ') == std::string_view::npos ? std::string("_") : std::string(code)) + "/";
  }
  return out;
}

TEST(DesignationBuilder, OpensWithEachListOnItsPart) {
  constexpr struct {
    std::string_view stored, selected;
  } kCases[] = {
      {"16K0F3E", "16K0/F/3/E/_/_/"},
      {"12K5F3EJN", "14K0/F/3/E/J/N/"},  // 12.5 kHz necessary bandwidth: the 20 kHz spacing
      {"4K40G1D", "4K30/G/1/D/_/_/"},
      {"4K41G1D", "5K30/G/1/D/_/_/"},
      {"200KG7W", "200K/G/7/W/_/_/"},
      {"5M00W7W", "5M00/W/7/W/_/_/"},
      {"17K0F3E", "-/F/3/E/_/_/"},  // no channel spacing holds it
      {"1M00F3E", "-/F/3/E/_/_/"},
      {"", "_/_/_/_/_/_/"},
      {"16K0Z3Q", "16K0/_/3/_/_/_/"},  // unknown parts select the empty line
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.stored));
    RecordingDesignationView view;
    DesignationBuilderPresenter builder(RequestFor(Item::k7A, c.stored), view);
    builder.Open();
    EXPECT_EQ(SelectedCodes(view.lines), c.selected);
    EXPECT_EQ(view.shown, c.stored);
  }
}

TEST(DesignationBuilder, ChoosingAndTypingBuildTheText) {
  RecordingDesignationView view;
  DesignationBuilderPresenter builder(RequestFor(Item::k7A, "16K0F3E"), view);
  builder.Open();
  const auto lineOf = [](DesignationPart part, std::string_view code) {
    const auto lines = DesignationLists()[static_cast<size_t>(part)].lines;
    for (size_t k = 0; k < lines.size(); ++k)
      if (lines[k].code == code) return k;
    ADD_FAILURE() << code;
    return size_t{0};
  };
  builder.Choose(DesignationPart::Modulation, lineOf(DesignationPart::Modulation, "G"));
  EXPECT_EQ(view.shown, "16K0G3E");
  builder.Choose(DesignationPart::Multiplex, lineOf(DesignationPart::Multiplex, "T"));
  EXPECT_EQ(view.shown, "16K0G3E T");
  EXPECT_EQ(SelectedCodes(view.lines), "16K0/G/3/E/_/T/");
  builder.Choose(DesignationPart::Bandwidth, 0);
  EXPECT_EQ(view.shown, "    G3E T");
  EXPECT_EQ(builder.Ok(), (BoxWrites{{RecordBoxOf(Item::k7A).id, "    G3E T"}}));

  constexpr struct {
    std::string_view typed;
    int caret;
    std::string_view text;
    int at;
  } kTyping[] = {
      {"1a6k0f3e", 2, "16K0F3E", 1},  // the letter in the bandwidth part is refused
      {"8k50f3ejnx", 10, "8K50F3EJN", 9},
      {"m00", 1, "M00", 1},
      {"ab", 2, "", 0},
      {"16k0f3e,n", 9, "16K0F3EN", 8},  // [7A]'s own rule refuses the comma
      {"16k0f3\xe9n", 8, "16K0F3N", 7},
  };
  for (const auto& t : kTyping) {
    SCOPED_TRACE(std::string(t.typed));
    const RuledText r = builder.Typed(t.typed, t.caret);
    EXPECT_EQ(r.text, t.text);
    EXPECT_EQ(r.selectionStart, t.at);
    EXPECT_EQ(r.selectionEnd, t.at);
  }
  builder.Typed("8k50f3e", 7);
  EXPECT_EQ(SelectedCodes(view.lines), "8K50/F/3/E/_/_/");  // the lists follow what is typed
  EXPECT_EQ(builder.Ok(), (BoxWrites{{RecordBoxOf(Item::k7A).id, "8K50F3E"}}));
}

}  // namespace
}  // namespace recbook::testing
