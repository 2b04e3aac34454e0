// vatool xms check: the record check over every station record of a file, silently (nothing is
// waived). One line per faulty record in file order; the summary goes to standard error.
#include <cstdio>
#include <ostream>

#include "arguments.h"
#include "error_letters.h"
#include "json_output.h"
#include "latin1_text.h"
#include "record_check.h"
#include "subcommand_table.h"
#include "xms_loading.h"

namespace vatool {
namespace {


// The first line of the English message, trailing blanks removed.
std::string FirstLine(recbook::Check check, const recbook::StationRecord& r) {
  std::string text = recbook::CheckMessage(check, r, quorla::Language::English);
  text.resize(std::min(text.size(), text.find("\r\n")));
  text.resize(text.find_last_not_of(' ') == std::string::npos ? 0 : text.find_last_not_of(' ') + 1);
  return text;
}

// The error letter is a record-side character (Latin-1, the tag sign among them); shown as UTF-8.
std::string LetterText(char letter) { return recbook::Latin1ToUtf8({&letter, 1}); }

int Check(const Arguments& a, std::ostream& out, std::ostream& err) {
  const std::string scope = a.Value("--scope").value_or("all");
  if (scope != "calc" && scope != "all") return BadUsage(a, err, "--scope takes calc or all");
  std::string bytes;
  if (!LoadForCommand(a.Positional()[0], bytes, err)) return kExitBadInput;
  const auto mode = scope == "calc" ? recbook::ErrorSearchMode::CalcErrors : recbook::ErrorSearchMode::AllErrors;
  const bool json = a.Has("--json");
  const size_t records = bytes.size() / recbook::kRecordSize - 1;
  size_t faulty = 0;
  if (json) out << '{' << JsonMembers({{"records", records}}) << ", \"errors\": [";
  for (size_t k = 1; k <= records; ++k) {
    const auto* r = reinterpret_cast<const recbook::StationRecord*>(bytes.data() + k * recbook::kRecordSize);
    const recbook::CheckResult c = recbook::CheckRecord(*r, mode);
    if (c.ok()) continue;
    const std::string letter = LetterText(recbook::ErrorLetter(c.mark));
    if (json) {
      // The message is UTF-8 already, with the record's bytes in it converted from Latin-1.
      out << (faulty ? ",\n  " : "\n  ")
          << JsonLine({{"record", k}, {"mark", c.mark}, {"letter", letter}, {"message", FirstLine(c.check, *r)}});
    } else {
      char number[16];
      std::snprintf(number, sizeof number, "%07zu", k);
      out << number << ' ' << c.mark << ' ' << letter << ' ' << FirstLine(c.check, *r) << '\n';
    }
    ++faulty;
  }
  if (json) out << (faulty ? "\n" : "") << "], " << JsonMembers({{"faulty", faulty}}) << "}\n";
  err << records << " records, " << faulty << " with errors\n";
  return faulty ? kExitFindings : kExitOk;
}

const CommandRow kCommands[] = {
    {"check", "FILE", 1, 1,
     "the record check: per faulty station record its number, mark, error letter and message; exit 1 if any",
     {{"--scope", "calc|all", "calc: only the errors that stop the calculation; all (the default): every error", false,
       "--scope calc M_TEST.xms"},
      {"--json", "", "one JSON document: records, errors (record, mark, letter, message) and faulty", false,
       "--json M_TEST.xms"}},
     Check, "M_TEST.xms"},
};

const SubcommandGroupRegistration kRegistration{{"xms", "check", kCommands}};

}  // namespace
}  // namespace vatool
