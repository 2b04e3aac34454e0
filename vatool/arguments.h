#pragma once
// A vatool command as a table row: its name, operands and options, each with its help text and an
// example. The parser, the usage lines, the help texts and the manual page are all made from the row,
// so they cannot disagree; a test parses every example with the same parser.
#include <cstddef>
#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vatool {

// One option: "--order N", "-o OUT", or the flag "--json" (no value name). A value name of several
// words ("LON LAT") takes that many values, handed on joined by blanks.
struct OptionSpec {
  std::string_view name;
  std::string_view value;  // the value's name in the usage line; empty for a flag
  std::string_view help;
  bool required = false;
  // What follows "vatool GROUP COMMAND" in a use of this option: a whole command line that the
  // command's parser accepts ("--order 305 M_TEST.xms"); a value with blanks in double quotes.
  std::string_view example = {};
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
  std::string_view example = {};  // a typical use, written as OptionSpec::example
};

// "--order N", or "--json" for a flag.
std::string OptionText(const OptionSpec& o);

// "check [--scope calc|all] [--json] FILE": the command with its options and operands.
std::string Synopsis(const CommandRow& row);

// The lines of a group's help: per command its synopsis and summary, aligned and wrapped.
std::string CommandList(std::span<const CommandRow* const> rows);

// The words of an example as the shell would hand them over: split at blanks, "..." kept whole.
std::vector<std::string> ExampleWords(std::string_view example);

// "vatool GROUP COMMAND EXAMPLE", the line the help shows for an example.
std::string ExampleLine(std::string_view group, const CommandRow& row, std::string_view example);

// A command's help: usage, summary, every option with its help and example, the command's example.
std::string CommandHelp(std::string_view group, const CommandRow& row);

// Parses args (after the command's name) for row without running it: the Arguments, or the exit code
// when there is nothing to run (--help printed: kExitOk; a refusal written to err: kExitBadInput).
std::variant<Arguments, int> ParseCommandRow(const CommandRow& row, std::string_view group,
                                             std::span<const std::string> args, std::istream& in,
                                             std::ostream& out, std::ostream& err);

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
