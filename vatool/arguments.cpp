#include "arguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <ostream>

#include "subcommand_table.h"

namespace vatool {
namespace {

constexpr size_t kLineWidth = 100;
constexpr size_t kSummaryColumn = 42;  // where the summaries of a group's commands start at most

// text folded at blanks into lines of at most kLineWidth, every line after the first indented.
std::string Wrapped(std::string_view text, size_t firstColumn, size_t indent) {
  std::string out;
  size_t column = firstColumn;
  while (!text.empty()) {
    const size_t room = kLineWidth > column ? kLineWidth - column : 1;
    size_t cut = text.size();
    if (cut > room) {
      cut = text.rfind(' ', room);
      if (cut == std::string_view::npos || cut == 0) cut = std::min(text.find(' '), text.size());
    }
    if (!out.empty()) out += '\n' + std::string(indent, ' ');
    out += text.substr(0, cut);
    text.remove_prefix(std::min(cut + 1, text.size()));
    column = indent;
  }
  return out + '\n';
}

// "-.5" would be taken for the short option "-." followed by "5": written "-0.5" it is a number,
// as "-12.5" already is for the parser. Only whole numbers are rewritten, never a name.
std::vector<std::string> WithLeadingZeros(std::span<const std::string> args) {
  std::vector<std::string> out(args.begin(), args.end());
  for (std::string& a : out)
    if (a.size() > 2 && a[0] == '-' && a[1] == '.' && ParseDouble(a)) a.insert(1, "0");
  return out;
}

std::string UsageLine(std::string_view group, const CommandRow& row) {
  return "usage: vatool " + std::string(group) + ' ' + Synopsis(row) + '\n';
}

}  // namespace

std::string OptionText(const OptionSpec& o) {
  return o.value.empty() ? std::string(o.name) : std::string(o.name) + ' ' + std::string(o.value);
}

std::vector<std::string> ExampleWords(std::string_view example) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, inWord = false;
  for (char c : example) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;  // "" is an empty word
    } else if (c == ' ' && !quoted) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

std::string ExampleLine(std::string_view group, const CommandRow& row, std::string_view example) {
  return "vatool " + std::string(group) + ' ' + std::string(row.name) + (example.empty() ? "" : " ") +
         std::string(example);
}

std::string CommandHelp(std::string_view group, const CommandRow& row) {
  std::string help = UsageLine(group, row) + "  " + Wrapped(row.summary, 2, 2);
  if (!row.options.empty()) {
    help += "\noptions:\n";
    size_t width = 0;
    for (const OptionSpec& o : row.options) width = std::max(width, OptionText(o).size());
    const std::string indent(width + 4, ' ');
    for (const OptionSpec& o : row.options) {
      const std::string text = OptionText(o);
      help += "  " + text + std::string(width + 2 - text.size(), ' ') + Wrapped(o.help, width + 4, width + 4);
      if (!o.example.empty()) help += indent + "e.g. " + ExampleLine(group, row, o.example) + '\n';
    }
  }
  if (!row.example.empty()) help += "\nexample:\n  " + ExampleLine(group, row, row.example) + '\n';
  return help;
}

std::optional<std::string> Arguments::Value(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::string Synopsis(const CommandRow& row) {
  std::string s(row.name);
  for (const OptionSpec& o : row.options) s += o.required ? ' ' + OptionText(o) : " [" + OptionText(o) + ']';
  if (!row.operands.empty()) s += ' ' + std::string(row.operands);
  return s;
}

std::string CommandList(std::span<const CommandRow* const> rows) {
  size_t column = 0;
  for (const CommandRow* r : rows) column = std::max(column, Synopsis(*r).size() + 4);
  column = std::min(column, kSummaryColumn);
  std::string out;
  for (const CommandRow* r : rows) {
    const std::string synopsis = Synopsis(*r);
    out += "  " + synopsis;
    // A synopsis too long for the column puts its summary on the next line.
    out += synopsis.size() + 4 > column ? '\n' + std::string(column, ' ') : std::string(column - 2 - synopsis.size(), ' ');
    out += Wrapped(r->summary, column, column);
  }
  return out;
}

std::variant<Arguments, int> ParseCommandRow(const CommandRow& row, std::string_view group,
                                             std::span<const std::string> args, std::istream& in,
                                             std::ostream& out, std::ostream& err) {
  const std::string command = "vatool " + std::string(group) + ' ' + std::string(row.name);
  const std::string usage = UsageLine(group, row);
  CLI::App app(std::string(row.summary), command);
  std::map<std::string, std::string> given;
  std::map<std::string, std::vector<std::string>> givenWords;
  for (const OptionSpec& o : row.options) {
    const std::string name(o.name), help(o.help);
    const auto words = static_cast<int>(std::count(o.value.begin(), o.value.end(), ' ')) + 1;
    if (o.value.empty()) {
      app.add_flag(name, help)->disable_flag_override();  // "--json=x" is refused, not read as a count
    } else if (words > 1) {
      app.add_option(name, givenWords[name], help)->type_name(std::string(o.value))->required(o.required)->expected(words);
    } else {
      app.add_option(name, given[name], help)
          ->type_name(std::string(o.value))
          ->required(o.required)
          ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);  // a repeated option: the last one holds
    }
  }
  std::vector<std::string> operands;
  app.add_option("operands", operands);
  try {
    std::vector<std::string> reversed = WithLeadingZeros(args);
    std::reverse(reversed.begin(), reversed.end());  // the parser takes the arguments last first
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << CommandHelp(group, row);
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    err << command << ": " << e.what() << '\n' << usage;
    return kExitBadInput;
  }
  if (operands.size() < row.minOperands || operands.size() > row.maxOperands) {
    err << command << ": " << (row.operands.empty() ? "takes no operands" : "takes " + std::string(row.operands))
        << '\n' << usage;
    return kExitBadInput;
  }
  std::map<std::string, std::string> values;
  for (const OptionSpec& o : row.options) {
    const std::string name(o.name);
    if (app.count(name) == 0) continue;
    values[name] = o.value.empty() ? std::string() : given[name];
    for (const std::string& word : givenWords[name]) values[name] += (values[name].empty() ? "" : " ") + word;
  }
  return Arguments(command, std::move(values), std::move(operands), in, usage);
}

int RunCommandRow(const CommandRow& row, std::string_view group, std::span<const std::string> args,
                  std::istream& in, std::ostream& out, std::ostream& err) {
  auto parsed = ParseCommandRow(row, group, args, in, out, err);
  if (const int* code = std::get_if<int>(&parsed)) return *code;
  return row.run(std::get<Arguments>(parsed), out, err);
}

int BadUsage(const Arguments& a, std::ostream& err, std::string_view why) {
  err << a.Command() << ": " << why << '\n' << a.Usage();
  return kExitBadInput;
}

std::optional<double> ParseDouble(const std::string& text) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (errno != 0 || end != text.c_str() + text.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<long long> ParseInteger(const std::string& text) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const long long v = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || end != text.c_str() + text.size()) return std::nullopt;
  return v;
}

}  // namespace vatool
