// vatool xms check: the record check over every station record of a file, silently (nothing is
// waived). One line per faulty record in file order; the summary goes to standard error.
#include <cstdio>
#include <istream>
#include <ostream>

#include "arguments.h"
#include "error_letters.h"
#include "record_check.h"
#include "subcommand_table.h"
#include "xms_loading.h"

namespace vatool {
namespace {

constexpr const char* kUsage =
    "  check [--scope calc|all] [--json] FILE  the record check: per faulty station record its number,\n"
    "                                          mark, error letter and message; exit 1 if any\n";

// The first line of the English message, trailing blanks removed.
std::string FirstLine(recbook::Check check, const recbook::StationRecord& r) {
  std::string text = recbook::CheckMessage(check, r, quorla::Language::English);
  text.resize(std::min(text.size(), text.find("\r\n")));
  text.resize(text.find_last_not_of(' ') == std::string::npos ? 0 : text.find_last_not_of(' ') + 1);
  return text;
}

std::string LetterText(char letter) { return letter == recbook::kTagSign ? "\xC2\xA4" : std::string(1, letter); }

std::string JsonString(std::string_view s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

int Check(const Arguments& a, std::ostream& out, std::ostream& err) {
  const std::string scope = a.Value("--scope").value_or("all");
  if (a.Positional().size() != 1 || (scope != "calc" && scope != "all")) {
    err << "usage: vatool xms check [--scope calc|all] [--json] FILE\n";
    return kExitBadInput;
  }
  std::string bytes;
  if (!LoadForCommand(a.Positional()[0], bytes, err)) return kExitBadInput;
  const auto mode = scope == "calc" ? recbook::ErrorSearchMode::CalcErrors : recbook::ErrorSearchMode::AllErrors;
  const bool json = a.Has("--json");
  const size_t records = bytes.size() / recbook::kRecordSize - 1;
  size_t faulty = 0;
  if (json) out << "{\"records\": " << records << ", \"errors\": [";
  for (size_t k = 1; k <= records; ++k) {
    const auto* r = reinterpret_cast<const recbook::StationRecord*>(bytes.data() + k * recbook::kRecordSize);
    const recbook::CheckResult c = recbook::CheckRecord(*r, mode);
    if (c.ok()) continue;
    const std::string letter = LetterText(recbook::ErrorLetter(c.mark));
    if (json) {
      out << (faulty ? ",\n  " : "\n  ") << "{\"record\": " << k << ", \"mark\": " << JsonString(c.mark)
          << ", \"letter\": " << JsonString(letter) << ", \"message\": " << JsonString(FirstLine(c.check, *r)) << '}';
    } else {
      char number[16];
      std::snprintf(number, sizeof number, "%07zu", k);
      out << number << ' ' << c.mark << ' ' << letter << ' ' << FirstLine(c.check, *r) << '\n';
    }
    ++faulty;
  }
  if (json) out << (faulty ? "\n" : "") << "], \"faulty\": " << faulty << "}\n";
  err << records << " records, " << faulty << " with errors\n";
  return faulty ? kExitFindings : kExitOk;
}

int RunXmsCheck(std::span<const std::string> args, std::istream&, std::ostream& out, std::ostream& err) {
  if (args[0] != "check") return kUnknownCommand;
  const Arguments a(args.subspan(1), {"--scope"}, {"--json"});
  if (!a.ok()) {
    err << "vatool xms check: " << a.error() << '\n' << kUsage;
    return kExitBadInput;
  }
  return Check(a, out, err);
}

const SubcommandGroupRegistration kRegistration{{"xms", "check", kUsage, RunXmsCheck}};

}  // namespace
}  // namespace vatool
