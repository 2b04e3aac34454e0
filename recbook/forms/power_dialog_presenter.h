#pragma once
// The power calculator, the Info dialog of [8B1]: transmitter power in W or mW, the maximum
// antenna gain relative to the dipole or isotropic, and the total loss give the maximum radiated
// power in dBW (ERPmax or EIRPmax); "&OK" writes it into [8B1] and the reference into [8B2].
#include <optional>
#include <string>

#include "forms/info_request.h"
#include "host.h"

namespace recbook {

// 10 log10(power) (- 30 for mW) + gain - loss in dBW; nullopt for a power of 0 or less.
std::optional<double> MaxRadiatedPower(double power, bool milliwatts, double gain, double loss);

class PowerDialogView {
 public:
  virtual ~PowerDialogView() = default;
  // name "ERPmax" / "EIRPmax"; value "21.0 dBW" or empty without a result; remark "  > 30 dBW",
  // "  < -30 dBW" or empty.
  virtual void ShowResult(const std::string& name, const std::string& value, const std::string& remark) = 0;
};

class PowerDialogPresenter {
 public:
  // request: the Info request of [8B1].
  PowerDialogPresenter(quorla::Host& host, const InfoRequest& request, PowerDialogView& view);

  // The gain reference starts as the form's [8B2] says ("I" isotropic, else dipole).
  bool isotropic() const { return isotropic_; }
  std::string Title() const;

  void SetPower(std::string_view text);
  void SetMilliwatts(bool on);
  void SetGain(std::string_view text);
  void SetIsotropic(bool on);
  void SetLoss(std::string_view text);

  // [8B1] ("0" for zero, else one decimal) and [8B2] ("E" dipole, "I" isotropic); without a
  // result only a beep, and the dialog stays (nullopt).
  std::optional<BoxWrites> Ok();

 private:
  std::optional<double> Result() const;
  void Recompute();

  quorla::Host& host_;
  const InfoRequest request_;
  PowerDialogView& view_;
  double power_ = 0, gain_ = 0, loss_ = 0;
  bool milliwatts_ = false, isotropic_ = false;
};

}  // namespace recbook
