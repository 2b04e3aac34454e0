#include "forms/frequency_dialog_presenter.h"

#include "records/record_text.h"
#include "rules/code_pickers.h"

namespace recbook {
namespace {

FrequencyLayout LayoutOf(Item item, quorla::Language language) {
  const FrequencyDialogTexts& t = FrequencyTexts();
  const bool tx = item == Item::k1A;
  return {std::string((tx ? t.txTitle : t.rxTitle)(language)), std::string(t.heading(language)),
          std::string((tx ? t.txEntry : t.rxEntry)(language)), tx ? std::string() : std::string(t.rxNote(language))};
}

}  // namespace

FrequencyDialogPresenter::FrequencyDialogPresenter(const InfoRequest& request, FrequencyDialogView& view)
    : request_(request),
      view_(view),
      layout_(LayoutOf(request.item, request.language)),
      entry_(WithoutBlanks(request_.Text(request_.item))) {}

void FrequencyDialogPresenter::Open() {
  view_.ShowEntry(entry_);
  ShowBandOfEntry();
}

void FrequencyDialogPresenter::ShowBandOfEntry() {
  const FrequencyChoice choice = FrequencyBandFor(entry_);
  view_.SelectBand(choice.band);
  view_.ShowStatus(std::string(choice.status(request_.language)));
}

RuledText FrequencyDialogPresenter::Typed(std::string_view text, int caret) {
  const RuledText r = ApplyInputRule(RecordBoxOf(request_.item).rule, text, caret);
  entry_ = r.text;
  ShowBandOfEntry();
  return r;
}

void FrequencyDialogPresenter::ChooseBand(size_t band) {
  const auto bands = FrequencyBands();
  if (band >= bands.size()) return;
  entry_ = std::string(bands[band].representative);
  view_.ShowEntry(entry_);
  view_.SelectBand(band);
  view_.ShowStatus({});
}

}  // namespace recbook
