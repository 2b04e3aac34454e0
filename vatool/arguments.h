#pragma once
// Splitting a subcommand's arguments into options and positional values, the same way for every
// group: "--name VALUE", "--name=VALUE", "-o VALUE", bare "--flag", and "--" to end the options.
#include <map>
#include <optional>
#include <set>
#include <span>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace vatool {

class Arguments {
 public:
  // valued: the options that take a value ("--order", "-o"); flags: those that do not.
  Arguments(std::span<const std::string> args, const std::set<std::string>& valued,
            const std::set<std::string>& flags);

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }  // the first unknown option or missing value

  bool Has(const std::string& name) const { return values_.count(name) != 0; }
  std::optional<std::string> Value(const std::string& name) const;
  const std::vector<std::string>& Positional() const { return positional_; }

 private:
  std::map<std::string, std::string> values_;
  std::vector<std::string> positional_;
  std::string error_;
};

// One subcommand of a table: its name, its options and the function that runs it.
struct CommandRow {
  std::string_view name;
  std::set<std::string> valued, flags;
  int (*run)(const Arguments&, std::ostream& out, std::ostream& err);
};

// Runs the row named by args[0] with the rest of args; a bad option prints "vatool GROUP NAME:
// why" and usage. kUnknownCommand (subcommand_table.h) when no row has that name.
int RunCommandRow(std::span<const CommandRow> rows, std::string_view group, std::string_view usage,
                  std::span<const std::string> args, std::ostream& out, std::ostream& err);

// Strict number parsing for command-line values: the whole text must be the number.
std::optional<double> ParseDouble(const std::string& text);
std::optional<long long> ParseInteger(const std::string& text);

}  // namespace vatool
