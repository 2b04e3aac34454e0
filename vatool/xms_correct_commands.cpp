// vatool xms correct: the automatic correction of every station record of a file, as the editor's
// Corrections menu runs it, for batch jobs. A piece of the "xms" group.
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>

#include "arguments.h"
#include "atomic_file.h"
#include "correction/correction_pass.h"
#include "json_output.h"
#include "records/exchange_file.h"
#include "records/temp_names.h"
#include "records/working_copy.h"
#include "subcommand_table.h"

namespace vatool {
namespace {

using recbook::CorrectionOption;
using recbook::FileKind;

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

// A true Exchange data file with the content of path: path itself, or for the CR+LF variant a
// "#scopy" file without the line endings (removed by the caller). Empty with a message on failure.
std::string TrueFile(const std::string& path, std::string& stripped, std::ostream& err) {
  const recbook::FileCheck c = recbook::CheckExchangeFile(path);
  const std::string notExchange = "File  " + path + "  \nisn't  Exchange data file  (''true'' or with CR,LF) !!  ";
  if (c.kind == FileKind::Missing) {
    err << "File  doesn't  exist  !!  \n";
    return {};
  }
  if (c.kind == FileKind::NotExchange) {
    err << notExchange << '\n';
    return {};
  }
  if (c.kind == FileKind::True) return path;
  std::string bytes;
  if (!quorla::ReadWholeFile(path, bytes)) {
    err << path << ": cannot be read\n";
    return {};
  }
  bytes = recbook::WithoutLineEndings(bytes);
  if (bytes.size() % recbook::kRecordSize != 0 ||
      static_cast<long long>(bytes.size() / recbook::kRecordSize) - 1 != c.records) {
    err << notExchange << '\n';
    return {};
  }
  stripped = recbook::ChooseTempName(recbook::TempKind::Stripped);
  if (stripped.empty() || !quorla::WriteFileAtomically(stripped, bytes)) {
    err << "the temporary folder cannot be written\n";
    return {};
  }
  return stripped;
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
  std::string stripped;
  const std::string source = TrueFile(a.Positional()[0], stripped, err);
  if (source.empty()) return kExitBadInput;
  recbook::WorkingCopy copy;
  const bool opened = copy.MakeFrom(source);
  if (!stripped.empty()) ::unlink(stripped.c_str());
  if (!opened) {
    err << a.Positional()[0] << ": cannot be copied to the temporary folder\n";
    return kExitBadInput;
  }
  const recbook::CorrectionResult result = recbook::CorrectToFile(copy, *target, settings, {});
  copy.Remove();
  if (!result.ok) {
    err << "File wasn't save  !!\n" << *target << '\n';
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
     {{"--off", "O1,O2,...", "the correction options to leave out"},
      {"--dtm", "DIR", "the terrain directory option O6 reads the site heights from"},
      {"--json", "", "print {\"repairs\": N} instead of the text line"},
      {"-o", "OUT", "the corrected file to write (may be IN itself)", true}},
     Correct},
};

const SubcommandGroupRegistration kRegistration{{"xms", "correct", kCommands}};

}  // namespace
}  // namespace vatool
