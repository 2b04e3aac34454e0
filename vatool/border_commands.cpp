// vatool border: the check of a border-line directory.
#include <ostream>
#include <string>

#include "arguments.h"
#include "directories/directory_checks.h"
#include "subcommand_table.h"

namespace vatool {
namespace {

int CheckDir(const Arguments& a, std::ostream& out, std::ostream&) {
  const std::string dir = terrainmap::VerifyBorderDirectory(a.Positional()[0]);
  out << dir << '\n';
  return dir.empty() ? kExitFindings : kExitOk;
}

const CommandRow kCommands[] = {
    {"check-dir", "DIR", 1, 1,
     "the usable border-line directory for DIR (one holding *.000, *.015 or *.cbr files, or a fallback), or an "
     "empty line (exit 1)",
     {}, CheckDir, "BORDER"},
};

const SubcommandGroupRegistration kBorder({"border", "border-line directory check", kCommands});

}  // namespace
}  // namespace vatool
