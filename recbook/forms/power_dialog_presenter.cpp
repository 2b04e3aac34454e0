#include "forms/power_dialog_presenter.h"

#include <cmath>

#include "forms/box_numbers.h"
#include "forms/info_dialog_texts.h"
#include "records/picture_mask.h"
#include "records/record_text.h"

namespace recbook {

std::optional<double> MaxRadiatedPower(double power, bool milliwatts, double gain, double loss) {
  if (!(power > 0) || !std::isfinite(power)) return std::nullopt;
  return 10.0 * std::log10(power) - (milliwatts ? 30.0 : 0.0) + gain - loss;
}

PowerDialogPresenter::PowerDialogPresenter(quorla::Host& host, const InfoRequest& request, PowerDialogView& view)
    : host_(host), request_(request), view_(view), isotropic_(request.Text(Item::k8B2) == "I") {
  Recompute();
}

std::string PowerDialogPresenter::Title() const {
  return request_.caption + std::string(info_texts::kPowerTitle(request_.language));
}

void PowerDialogPresenter::SetPower(std::string_view text) {
  power_ = LenientNumber(text);
  Recompute();
}
void PowerDialogPresenter::SetMilliwatts(bool on) {
  milliwatts_ = on;
  Recompute();
}
void PowerDialogPresenter::SetGain(std::string_view text) {
  gain_ = LenientNumber(text);
  Recompute();
}
void PowerDialogPresenter::SetIsotropic(bool on) {
  isotropic_ = on;
  Recompute();
}
void PowerDialogPresenter::SetLoss(std::string_view text) {
  loss_ = LenientNumber(text);
  Recompute();
}

// A result that "###.#" cannot show (1000 dBW or more) is no result either.
std::optional<double> PowerDialogPresenter::Result() const {
  const std::optional<double> dbw = MaxRadiatedPower(power_, milliwatts_, gain_, loss_);
  if (!dbw || !FormatMask(*dbw, "###.#")) return std::nullopt;
  return dbw;
}

void PowerDialogPresenter::Recompute() {
  const std::string name(isotropic_ ? info_texts::kEirp(request_.language) : info_texts::kErp(request_.language));
  const std::optional<double> dbw = Result();
  if (!dbw) return view_.ShowResult(name, "", "");
  const std::string masked = *FormatMask(*dbw, "###.#");
  // The remarks follow the value as shown: 30.04 shows as 30.0 without a remark.
  const double shown = std::round(*dbw * 10) / 10;
  std::string remark;
  if (shown > 30) remark = info_texts::kAbove30(request_.language);
  if (shown < -30) remark = info_texts::kBelow30(request_.language);
  view_.ShowResult(name, masked.substr(masked.find_first_not_of(' ')) + " dBW", remark);
}

std::optional<BoxWrites> PowerDialogPresenter::Ok() {
  const std::optional<double> dbw = Result();
  if (!dbw) {
    host_.Beep();
    return std::nullopt;
  }
  return BoxWrites{{RecordBoxOf(Item::k8B1).id, OneDecimalBoxText(*dbw)}, {RecordBoxOf(Item::k8B2).id, isotropic_ ? "I" : "E"}};
}

}  // namespace recbook
