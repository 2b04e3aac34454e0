#include "subcommand_table.h"

#include <map>
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
  std::map<std::string_view, std::string> summaries;  // pieces of one group joined, sorted by name
  for (const auto& g : Table()) {
    std::string& s = summaries[g.name];
    s += (s.empty() ? "" : "; ") + std::string(g.summary);
  }
  for (const auto& [name, summary] : summaries) {
    out << "  " << name << std::string(name.size() < 10 ? 10 - name.size() : 1, ' ') << summary << '\n';
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
  std::string usage;
  for (const auto& g : Table()) {
    if (g.name == args[0]) usage += (usage.empty() ? "" : "\n") + std::string(g.usage);
  }
  if (usage.empty()) {
    err << "vatool: unknown group '" << args[0] << "'\n";
    PrintHelp(err);
    return kExitBadInput;
  }
  const auto rest = args.subspan(1);
  if (rest.empty()) {
    err << usage;
    return kExitBadInput;
  }
  if (rest[0] == "--help" || rest[0] == "-h") {
    out << usage;
    return kExitOk;
  }
  for (const auto& g : Table()) {
    if (g.name != args[0]) continue;
    const int result = g.run(rest, in, out, err);
    if (result != kUnknownCommand) return result;
  }
  err << "vatool " << args[0] << ": unknown command '" << rest[0] << "'\n" << usage;
  return kExitBadInput;
}

}  // namespace vatool
