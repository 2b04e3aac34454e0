#include "subcommand_table.h"

#include <istream>
#include <map>
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
  out << "\n`vatool GROUP --help` describes the commands of a group, `vatool GROUP COMMAND --help` a command.\n";
}

const CommandRow* FindCommand(std::string_view group, std::string_view name) {
  for (const auto& g : Table())
    if (g.name == group)
      for (const CommandRow& c : g.commands)
        if (c.name == name) return &c;
  return nullptr;
}

}  // namespace

SubcommandGroupRegistration::SubcommandGroupRegistration(SubcommandGroup group) {
  Table().push_back(group);
}

std::string GroupHelp(std::string_view group) {
  std::vector<const CommandRow*> rows;
  std::string notes;
  for (const auto& g : Table()) {
    if (g.name != group) continue;
    for (const CommandRow& c : g.commands) rows.push_back(&c);
    if (!g.notes.empty()) notes += '\n' + std::string(g.notes);
  }
  if (rows.empty()) return {};
  return "usage: vatool " + std::string(group) + " COMMAND ...\n\n" + CommandList(rows) + notes;
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
  const std::string usage = GroupHelp(args[0]);
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
  if (const CommandRow* row = FindCommand(args[0], rest[0])) return RunCommandRow(*row, args[0], rest.subspan(1), in, out, err);
  err << "vatool " << args[0] << ": unknown command '" << rest[0] << "'\n" << usage;
  return kExitBadInput;
}

}  // namespace vatool
