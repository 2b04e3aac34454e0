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


std::string Fixed(double v, int decimals) {
  if (v == 0.0) v = 0.0;  // no "-0.0000"
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

int RunCheck(const Arguments& a, std::ostream& out, std::ostream&) {
  const bool valid = radpattern::CheckAntennaCode(a.Positional()[0]) == 1;
  out << (valid ? "valid" : "invalid") << '\n';
  return valid ? kExitOk : kExitFindings;
}

int RunPattern(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto& p = a.Positional();
  const bool ratio = a.Has("--ratio");
  for (size_t i = 1; i < p.size(); ++i) {
    if (!ParseDouble(p[i])) return BadUsage(a, err, "not an angle: " + p[i]);
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
  const auto az = ParseDouble(p[2]);
  const auto el = ParseDouble(p[3]);
  if (!az || !el) return BadUsage(a, err, "AZ and EL must be numbers");
  const auto loss = a.Has("--old") ? radpattern::OldTotalLoss : radpattern::NewTotalLoss;
  out << Fixed(loss(p[0], p[1], static_cast<float>(*az), static_cast<float>(*el)), 4) << '\n';
  return kExitOk;
}

int RunFit(const Arguments& a, std::ostream& out, std::ostream& err) {
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

const CommandRow kCommands[] = {
    {"check", "CODE", 1, 1, "print valid (exit 0) or invalid (exit 1)", {}, RunCheck, "030EA10"},
    {"pattern", "CODE ANGLE...", 2, kAnyCount,
     "attenuation in dB (4 decimals) or with --ratio the ratio E (6 decimals) per angle; -1 for an invalid code",
     {{"--ratio", "", "print the field strength ratio E instead of the attenuation in dB", false, "--ratio 030EA10 0 90"}},
     RunPattern, "030EA10 0 30 90 180"},
    {"loss", "HCODE VCODE AZ EL", 4, 4, "total antenna loss in dB (new method unless --old)",
     {{"--old", "", "the old method of the total loss", false, "--old 030EA00 010EA00 30 10"}}, RunLoss,
     "030EA00 010EA00 30 10"},
    {"fit", "FILE.msi", 1, 1, "the codes and directions that fit a Kathrein pattern file", {}, RunFit, "ANTENNA.msi"},
};

const SubcommandGroupRegistration kAntenna({"antenna", "antenna pattern codes, pattern values, total loss, fitting",
                                            kCommands,
                                            "Angles in degrees: AZ = azimuth - AziMax, EL = EleMax - elevation "
                                            "(positive below the beam).\n"});

}  // namespace
}  // namespace vatool
