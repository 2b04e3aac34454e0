#include "arguments.h"

#include <cerrno>
#include <cmath>
#include <cctype>
#include <cstdlib>
#include <ostream>

#include "subcommand_table.h"

namespace vatool {

Arguments::Arguments(std::span<const std::string> args, const std::set<std::string>& valued,
                     const std::set<std::string>& flags) {
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    // A lone "-" and negative numbers ("-12.5") are values, not options.
    const bool looksLikeOption = !optionsEnded && a.size() > 1 && a[0] == '-' &&
                                 !(std::isdigit(static_cast<unsigned char>(a[1])) || a[1] == '.');
    if (!looksLikeOption) {
      positional_.push_back(a);
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = a;
    std::optional<std::string> inlineValue;
    if (const auto eq = a.find('='); eq != std::string::npos && a.rfind("--", 0) == 0) {
      name = a.substr(0, eq);
      inlineValue = a.substr(eq + 1);
    }
    if (valued.count(name)) {
      if (inlineValue) {
        values_[name] = *inlineValue;
      } else if (i + 1 < args.size()) {
        values_[name] = args[++i];
      } else if (error_.empty()) {
        error_ = "option " + name + " needs a value";
      }
    } else if (flags.count(name) && !inlineValue) {
      values_[name] = "";
    } else if (error_.empty()) {
      error_ = "unknown option " + a;
    }
  }
}

std::optional<std::string> Arguments::Value(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
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

int RunCommandRow(std::span<const CommandRow> rows, std::string_view group, std::string_view usage,
                  std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  for (const CommandRow& c : rows) {
    if (c.name != args[0]) continue;
    const Arguments a(args.subspan(1), c.valued, c.flags);
    if (!a.ok()) {
      err << "vatool " << group << ' ' << c.name << ": " << a.error() << '\n' << usage;
      return kExitBadInput;
    }
    return c.run(a, out, err);
  }
  return kUnknownCommand;
}

}  // namespace vatool
