// vatool xms correct: the automatic correction of every station record of a file, as the editor's
// Corrections menu runs it, for batch jobs. A piece of the "xms" group.
#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>

#include "arguments.h"
#include "correction/correction_pass.h"
#include "json_output.h"
#include "subcommand_table.h"
#include "xms_loading.h"

namespace vatool {
namespace {

using recbook::CorrectionOption;

// "O1,O6": the options switched off; false for anything but O1 to O10.
bool ParseOffList(const std::string& list, recbook::CorrectionOptions& options) {
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = std::min(list.find(',', start), list.size());
    const std::string name = list.substr(start, comma - start);
    const auto number = name.size() >= 2 && (name[0] == 'O' || name[0] == 'o') ? ParseInteger(name.substr(1))
                                                                                : std::nullopt;
    if (!number || *number < 1 || *number > static_cast<long long>(recbook::kCorrectionOptionCount)) return false;
    options.Set(static_cast<CorrectionOption>(*number - 1), false);
    start = comma + 1;
  }
  return true;
}

int Correct(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto target = a.Value("-o");
  recbook::CorrectionSettings settings;
  if (const auto off = a.Value("--off"); off && !ParseOffList(*off, settings.options))
    return BadUsage(a, err, "--off takes a list of O1 to O10, such as O1,O6");
  if (const auto dtm = a.Value("--dtm")) {
    std::error_code ec;
    if (!std::filesystem::is_directory(*dtm, ec)) {
      err << "vatool xms correct: " << *dtm << ": not a directory\n";
      return kExitBadInput;
    }
    settings.dtmDirectory = *dtm;
  }
  const std::string& source = a.Positional()[0];
  recbook::ExchangeReader reader;
  recbook::WorkingCopy copy;
  recbook::LoadStatus status = reader.Open(source);
  if (status == recbook::LoadStatus::Ok) status = reader.ReadInto(copy);
  if (status != recbook::LoadStatus::Ok) {
    ReportLoadFailure(status, source, err);
    return kExitBadInput;
  }
  const recbook::CorrectionResult result = recbook::CorrectToFile(copy, *target, settings, {});
  copy.Remove();
  if (!result.ok) {
    ReportSaveFailure(*target, err);
    return kExitBadInput;
  }
  if (a.Has("--json"))
    out << JsonLine({{"repairs", result.repairs}}) << '\n';
  else
    out << "repairs: " << result.repairs << '\n';
  return kExitOk;
}

const CommandRow kCommands[] = {
    {"correct", "IN", 1, 1,
     "correct every station record (options O1 to O10 on unless listed in --off; O6 reads the terrain "
     "directory DIR), print the number of repairs",
     {{"--off", "O1,O2,...", "the correction options to leave out", false, "--off O6,O9 M_TEST.xms -o M_FIXED.xms"},
      {"--dtm", "DIR", "the terrain directory option O6 reads the site heights from", false,
       "--dtm DEMO_DTM M_TEST.xms -o M_FIXED.xms"},
      {"--json", "", "print {\"repairs\": N} instead of the text line", false, "--json M_TEST.xms -o M_FIXED.xms"},
      {"-o", "OUT", "the corrected file to write (may be IN itself)", true, "M_TEST.xms -o M_TEST.xms"}},
     Correct, "--off O6 M_TEST.xms -o M_FIXED.xms"},
};

const SubcommandGroupRegistration kRegistration{{"xms", "correct", kCommands}};

}  // namespace
}  // namespace vatool
