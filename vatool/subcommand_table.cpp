#include "subcommand_table.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace vatool {
namespace {

std::vector<SubcommandGroup>& Table() {
  static std::vector<SubcommandGroup> table;  // filled by static registrations before main
  return table;
}

void PrintHelp(std::ostream& out) {
  out << "usage: vatool GROUP COMMAND [ARGS...]\n\n"
         "Batch tools for Exchange data files, antenna pattern codes, co-ordinates, terrain and the\n"
         "world map. Data goes to standard output, diagnostics to standard error. Exit 0 success,\n"
         "1 findings, 2 bad usage or unreadable input.\n\ngroups:\n";
  std::vector<SubcommandGroup> sorted = Table();
  std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  for (const auto& g : sorted) {
    out << "  " << g.name << std::string(g.name.size() < 10 ? 10 - g.name.size() : 1, ' ') << g.summary << '\n';
  }
  out << "\n`vatool GROUP --help` describes the commands of a group.\n";
}

}  // namespace

const std::vector<SubcommandGroup>& Groups() { return Table(); }

SubcommandGroupRegistration::SubcommandGroupRegistration(SubcommandGroup group) {
  Table().push_back(group);
}

int RunVatool(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    PrintHelp(err);
    return kExitBadInput;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(out);
    return kExitOk;
  }
  for (const auto& g : Table()) {
    if (g.name != args[0]) continue;
    const auto rest = args.subspan(1);
    if (rest.empty()) {
      err << g.usage;
      return kExitBadInput;
    }
    if (rest[0] == "--help" || rest[0] == "-h") {
      out << g.usage;
      return kExitOk;
    }
    return g.run(rest, in, out, err);
  }
  err << "vatool: unknown group '" << args[0] << "'\n";
  PrintHelp(err);
  return kExitBadInput;
}

}  // namespace vatool
