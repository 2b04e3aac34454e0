// vatool border: the check of a border-line directory.
#include <ostream>
#include <string>

#include "arguments.h"
#include "directories/directory_checks.h"
#include "subcommand_table.h"

namespace vatool {
namespace {

constexpr std::string_view kUsage =
    "usage: vatool border COMMAND ...\n\n"
    "  check-dir DIR    the usable border-line directory for DIR (one holding *.000, *.015 or *.cbr\n"
    "                   files, or a fallback), or an empty line (exit 1)\n";

int RunBorder(std::span<const std::string> args, std::istream&, std::ostream& out, std::ostream& err) {
  if (args[0] != "check-dir") return kUnknownCommand;
  const Arguments a(args.subspan(1), {}, {});
  if (!a.ok() || a.Positional().size() != 1) {
    err << "vatool border: " << (a.ok() ? "check-dir takes one directory" : a.error()) << '\n' << kUsage;
    return kExitBadInput;
  }
  const std::string dir = terrainmap::VerifyBorderDirectory(a.Positional()[0]);
  out << dir << '\n';
  return dir.empty() ? kExitFindings : kExitOk;
}

const SubcommandGroupRegistration kBorder({"border", "border-line directory check", kUsage, RunBorder});

}  // namespace
}  // namespace vatool
