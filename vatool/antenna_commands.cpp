// vatool antenna: antenna pattern codes, pattern values, total loss and the fitting of codes to
// measured pattern files.
#include <cstdio>
#include <ostream>
#include <string>

#include "antenna_code.h"
#include "arguments.h"
#include "msi_file.h"
#include "pattern_fit.h"
#include "pattern_value.h"
#include "subcommand_table.h"
#include "total_loss.h"

namespace vatool {
namespace {

constexpr std::string_view kUsage =
    "usage: vatool antenna COMMAND ...\n\n"
    "  check CODE                      print valid (exit 0) or invalid (exit 1)\n"
    "  pattern CODE ANGLE... [--ratio] attenuation in dB (4 decimals) or with --ratio the ratio E\n"
    "                                  (6 decimals) per angle; -1 for an invalid code\n"
    "  loss HCODE VCODE AZ EL [--old]  total antenna loss in dB (new method unless --old)\n"
    "  fit FILE.msi                    the codes and directions that fit a Kathrein pattern file\n\n"
    "Angles in degrees: AZ = azimuth - AziMax, EL = EleMax - elevation (positive below the beam).\n";

std::string Fixed(double v, int decimals) {
  if (v == 0.0) v = 0.0;  // no "-0.0000"
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

int BadUsage(std::ostream& err, const std::string& why) {
  err << "vatool antenna: " << why << '\n' << kUsage;
  return kExitBadInput;
}

int RunCheck(const Arguments& a, std::ostream& out, std::ostream& err) {
  if (a.Positional().size() != 1) return BadUsage(err, "check takes one code");
  const bool valid = radpattern::CheckAntennaCode(a.Positional()[0]) == 1;
  out << (valid ? "valid" : "invalid") << '\n';
  return valid ? kExitOk : kExitFindings;
}

int RunPattern(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto& p = a.Positional();
  if (p.size() < 2) return BadUsage(err, "pattern takes a code and at least one angle");
  const bool ratio = a.Has("--ratio");
  for (size_t i = 1; i < p.size(); ++i) {
    if (!ParseDouble(p[i])) return BadUsage(err, "not an angle: " + p[i]);
  }
  for (size_t i = 1; i < p.size(); ++i) {
    const float angle = static_cast<float>(*ParseDouble(p[i]));
    const float v = radpattern::PatternValue(p[0], angle, ratio ? radpattern::kPatternRatio : radpattern::kPatternDb);
    out << Fixed(v, ratio ? 6 : 4) << '\n';
  }
  return kExitOk;
}

int RunLoss(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto& p = a.Positional();
  if (p.size() != 4) return BadUsage(err, "loss takes HCODE VCODE AZ EL");
  const auto az = ParseDouble(p[2]);
  const auto el = ParseDouble(p[3]);
  if (!az || !el) return BadUsage(err, "AZ and EL must be numbers");
  const auto loss = a.Has("--old") ? radpattern::OldTotalLoss : radpattern::NewTotalLoss;
  out << Fixed(loss(p[0], p[1], static_cast<float>(*az), static_cast<float>(*el)), 4) << '\n';
  return kExitOk;
}

int RunFit(const Arguments& a, std::ostream& out, std::ostream& err) {
  if (a.Positional().size() != 1) return BadUsage(err, "fit takes one pattern file");
  const std::string& path = a.Positional()[0];
  radpattern::MsiPattern pattern;
  quorla::InputStatus fileStatus = quorla::InputStatus::Ok;
  const int result = radpattern::ReadMsiFile(path, pattern, &fileStatus);
  if (result != radpattern::kMsiOk) {
    // The cause when the file could not be read, then the pattern file's own message.
    err << "vatool: " << path << ": ";
    if (fileStatus != quorla::InputStatus::Ok) err << quorla::InputStatusText(fileStatus).en << ": ";
    err << radpattern::MsiReadMessage(result).en << '\n';
    return kExitBadInput;
  }
  const radpattern::FitResult h = radpattern::FitPattern(pattern.horizontal);
  const radpattern::FitResult v = radpattern::FitPattern(pattern.vertical);
  out << "horizontal " << radpattern::FitResultText(h) << '\n'
      << "vertical " << radpattern::FitResultText(v) << '\n'
      << "azimax " << Fixed(h.direction, 1) << " elemax " << Fixed(radpattern::ElevationOfMaximum(v.direction), 1)
      << '\n';
  return kExitOk;
}

int RunAntenna(std::span<const std::string> args, std::istream&, std::ostream& out, std::ostream& err) {
  const std::string& command = args[0];
  const Arguments a(args.subspan(1), {}, {"--ratio", "--old"});
  if (!a.ok()) return BadUsage(err, a.error());
  const bool patternFlag = a.Has("--ratio");
  const bool lossFlag = a.Has("--old");
  if (command == "check" && !patternFlag && !lossFlag) return RunCheck(a, out, err);
  if (command == "pattern" && !lossFlag) return RunPattern(a, out, err);
  if (command == "loss" && !patternFlag) return RunLoss(a, out, err);
  if (command == "fit" && !patternFlag && !lossFlag) return RunFit(a, out, err);
  return BadUsage(err, "unknown command or option for '" + command + "'");
}

const SubcommandGroupRegistration kAntenna({"antenna", "antenna pattern codes, pattern values, total loss, fitting",
                                            kUsage, RunAntenna});

}  // namespace
}  // namespace vatool
