#pragma once
// The table of vatool's command groups ("xms", "antenna", "geo", ...). Each *_commands.cpp file
// registers its groups with a static SubcommandGroupRegistration, so a new group needs no edit here.
// Several files may register pieces of one group under the same name.
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vatool {

// Exit codes of every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFindings = 1;
inline constexpr int kExitBadInput = 2;
// Returned by a group runner for a subcommand it does not hold, so that the next registration of
// the same group name may take it ("xms" is split over the files of several modules).
inline constexpr int kUnknownCommand = -1;

// Arguments after the group name: args[0] is the subcommand ("info", "check", ...).
using GroupRunner = int (*)(std::span<const std::string> args, std::istream& in, std::ostream& out,
                            std::ostream& err);

struct SubcommandGroup {
  std::string_view name;
  std::string_view summary;  // one line for `vatool --help`
  std::string_view usage;    // the group's help text, printed for `vatool NAME --help`
  GroupRunner run;
};

const std::vector<SubcommandGroup>& Groups();

struct SubcommandGroupRegistration {
  explicit SubcommandGroupRegistration(SubcommandGroup group);
};

// Runs vatool with its whole argument list (without the program name).
int RunVatool(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace vatool
