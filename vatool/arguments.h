#pragma once
// A vatool command as a table row: its name, operands and options, each with its help text. The
// parser, the usage lines and the help texts are all made from the row, so they cannot disagree.
#include <cstddef>
#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vatool {

// One option: "--order N", "-o OUT", or the flag "--json" (no value name).
struct OptionSpec {
  std::string_view name;
  std::string_view value;  // the value's name in the usage line; empty for a flag
  std::string_view help;
  bool required = false;
};

// What a command was given: its options, its operands, its standard input and its usage line.
class Arguments {
 public:
  Arguments(std::string command, std::map<std::string, std::string> values, std::vector<std::string> positional,
            std::istream& in, std::string usage)
      : command_(std::move(command)), values_(std::move(values)), positional_(std::move(positional)), in_(in),
        usage_(std::move(usage)) {}

  bool Has(const std::string& name) const { return values_.count(name) != 0; }
  std::optional<std::string> Value(const std::string& name) const;
  const std::vector<std::string>& Positional() const { return positional_; }
  std::istream& Input() const { return in_; }
  // "usage: vatool GROUP COMMAND [OPTIONS] OPERANDS", newline-terminated.
  const std::string& Usage() const { return usage_; }
  const std::string& Command() const { return command_; }  // "vatool GROUP COMMAND"

 private:
  std::string command_;
  std::map<std::string, std::string> values_;
  std::vector<std::string> positional_;
  std::istream& in_;
  std::string usage_;
};

inline constexpr size_t kAnyCount = static_cast<size_t>(-1);

struct CommandRow {
  std::string_view name;
  std::string_view operands;  // as the usage line shows them: "FILE", "CODE ANGLE...", "[LON LAT]..."
  size_t minOperands, maxOperands;
  std::string_view summary;  // what the command does, for the group's help
  std::vector<OptionSpec> options;
  int (*run)(const Arguments&, std::ostream& out, std::ostream& err);
};

// "--order N", or "--json" for a flag.
std::string OptionText(const OptionSpec& o);

// "check [--scope calc|all] [--json] FILE": the command with its options and operands.
std::string Synopsis(const CommandRow& row);

// The lines of a group's help: per command its synopsis and summary, aligned and wrapped.
std::string CommandList(std::span<const CommandRow* const> rows);

// Parses args (after the command's name) for row and runs it. Bad options or operand counts print
// "vatool GROUP NAME: why" and the usage line and give kExitBadInput; --help prints the command's help.
int RunCommandRow(const CommandRow& row, std::string_view group, std::span<const std::string> args,
                  std::istream& in, std::ostream& out, std::ostream& err);

// Writes "vatool GROUP COMMAND: why" and the usage line; returns kExitBadInput.
int BadUsage(const Arguments& a, std::ostream& err, std::string_view why);

// Strict number parsing for command-line values: the whole text must be the number.
std::optional<double> ParseDouble(const std::string& text);
std::optional<long long> ParseInteger(const std::string& text);

}  // namespace vatool
