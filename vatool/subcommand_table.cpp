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

constexpr std::string_view kOverview =
    "Batch tools for Exchange data files, antenna pattern codes, co-ordinates, terrain and the\n"
    "world map. Data goes to standard output, diagnostics to standard error. Exit 0 success,\n"
    "1 findings, 2 bad usage or unreadable input.\n";

// The groups by name, the summaries of the pieces of one group joined.
std::map<std::string_view, std::string> GroupSummaries() {
  std::map<std::string_view, std::string> summaries;
  for (const auto& g : Table()) {
    std::string& s = summaries[g.name];
    s += (s.empty() ? "" : "; ") + std::string(g.summary);
  }
  return summaries;
}

// Text for roff: backslashes and minus signs escaped, a line never starting with a control character.
std::string Roff(std::string_view text) {
  std::string out;
  bool lineStart = true;
  for (char c : text) {
    if (lineStart && (c == '.' || c == '\'')) out += "\\&";
    if (c == '\\') out += "\\e";
    else if (c == '-') out += "\\-";
    else out += c;
    lineStart = c == '\n';
  }
  return out;
}

// vatool's own options, written as a command row's options are.
struct ProgramOption {
  std::string_view name, help, example;
};
constexpr ProgramOption kProgramOptions[] = {
    {"--help", "this text (`vatool GROUP --help`: a group, `vatool GROUP COMMAND --help`: a command)",
     "vatool xms --help"},
    {"--man", "the manual page (roff)", "vatool --man | man -l -"},
};

// The usage line of a group, every command of its pieces and their notes; empty for an unknown group.
std::string GroupOverview(std::string_view group) {
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

// An example on a line of its own, neither hyphenated nor stretched, so it can be copied as shown.
std::string ManExample(std::string_view line) { return ".nf\ne.g. " + Roff(line) + "\n.fi\n"; }

// The first command of a group with an example, as the group's example.
std::string GroupExample(std::string_view group) {
  for (const auto& g : Table())
    if (g.name == group)
      for (const CommandRow& c : g.commands)
        if (!c.example.empty()) return ExampleLine(group, c, c.example);
  return {};
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

std::span<const SubcommandGroup> Groups() { return Table(); }

std::string ProgramHelp() {
  std::string help = "usage: vatool GROUP COMMAND [ARGS...]\n       vatool --help | --man\n\n" +
                     std::string(kOverview) + "\noptions:\n";
  for (const ProgramOption& o : kProgramOptions)
    help += "  " + std::string(o.name) + std::string(8 - o.name.size(), ' ') + std::string(o.help) + "\n" +
            std::string(10, ' ') + "e.g. " + std::string(o.example) + '\n';
  help += "\ngroups:\n";
  for (const auto& [name, summary] : GroupSummaries()) {
    help += "  " + std::string(name) + std::string(name.size() < 8 ? 8 - name.size() : 1, ' ') + summary + '\n';
    if (const std::string example = GroupExample(name); !example.empty())
      help += std::string(10, ' ') + "e.g. " + example + '\n';
  }
  return help;
}

std::string GroupHelp(std::string_view group) {
  std::string help = GroupOverview(group);
  for (const auto& g : Table())
    if (g.name == group)
      for (const CommandRow& c : g.commands) help += '\n' + CommandHelp(group, c);
  return help;
}

std::string ManPage() {
  std::string man = ".TH VATOOL 1 \"\" \"quorla\" \"User Commands\"\n.SH NAME\nvatool \\- " +
                    Roff("batch tools for Exchange data files, antenna patterns, co-ordinates, terrain and the world map") +
                    "\n.SH SYNOPSIS\n.B vatool\n.I GROUP COMMAND\n[\\fIARGS\\fR...]\n.SH DESCRIPTION\n" +
                    Roff(kOverview) + ".SH OPTIONS\n";
  for (const ProgramOption& o : kProgramOptions)
    man += ".TP\n.B " + Roff(o.name) + "\n" + Roff(o.help) + "\n" + ManExample(o.example);
  man += ".SH COMMANDS\n";
  for (const auto& [name, summary] : GroupSummaries()) {
    man += ".SS " + Roff(name) + "\n" + Roff(summary) + "\n";
    for (const auto& g : Table()) {
      if (g.name != name) continue;
      for (const CommandRow& c : g.commands) {
        man += ".TP\n.B vatool " + Roff(name) + " " + Roff(Synopsis(c)) + "\n" + Roff(c.summary) + "\n";
        if (!c.example.empty()) man += ManExample(ExampleLine(name, c, c.example));
        for (const OptionSpec& o : c.options) {
          man += ".RS\n.TP\n.B " + Roff(OptionText(o)) + "\n" + Roff(o.help) + "\n";
          if (!o.example.empty()) man += ManExample(ExampleLine(name, c, o.example));
          man += ".RE\n";
        }
      }
      if (!g.notes.empty()) man += ".PP\n" + Roff(g.notes) + "\n";
    }
  }
  return man;
}

int RunVatool(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << ProgramHelp();
    return kExitBadInput;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    out << ProgramHelp();
    return kExitOk;
  }
  if (args[0] == "--man") {
    out << ManPage();
    return kExitOk;
  }
  const std::string usage = GroupOverview(args[0]);
  if (usage.empty()) {
    err << "vatool: unknown group '" << args[0] << "'\n" << ProgramHelp();
    return kExitBadInput;
  }
  const auto rest = args.subspan(1);
  if (rest.empty()) {
    err << usage;
    return kExitBadInput;
  }
  if (rest[0] == "--help" || rest[0] == "-h") {
    out << GroupHelp(args[0]);
    return kExitOk;
  }
  if (const CommandRow* row = FindCommand(args[0], rest[0])) return RunCommandRow(*row, args[0], rest.subspan(1), in, out, err);
  err << "vatool " << args[0] << ": unknown command '" << rest[0] << "'\n" << usage;
  return kExitBadInput;
}

}  // namespace vatool
