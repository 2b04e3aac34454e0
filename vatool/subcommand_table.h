#pragma once
// The table of vatool's command groups ("xms", "antenna", "geo", ...). Each *_commands.cpp file
// registers its groups with a static SubcommandGroupRegistration, so a new group needs no edit here.
// Several files may register pieces of one group under the same name.
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"

namespace vatool {

// Exit codes of every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFindings = 1;
inline constexpr int kExitBadInput = 2;

struct SubcommandGroup {
  std::string_view name;
  std::string_view summary;  // one line for `vatool --help`
  std::span<const CommandRow> commands;
  std::string_view notes = {};  // printed after the commands in `vatool NAME --help`
};

struct SubcommandGroupRegistration {
  explicit SubcommandGroupRegistration(SubcommandGroup group);
};

// Every registered piece of every group, in the order of registration.
std::span<const SubcommandGroup> Groups();

// The help of vatool itself: usage, overview, its own options and every group, each with an example.
std::string ProgramHelp();

// The help of a group: its usage line, every command of its pieces, their notes, then each command's
// help with every option and its example.
std::string GroupHelp(std::string_view group);

// The manual page vatool.1 (roff): the overview and every group's commands with their options and examples, made
// from the same rows as the parser and the help, so the page cannot drift from the behaviour.
std::string ManPage();

// Runs vatool with its whole argument list (without the program name).
int RunVatool(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace vatool
