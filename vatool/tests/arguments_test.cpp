#include <gtest/gtest.h>

#include <sstream>

#include "arguments.h"
#include "subcommand_table.h"

namespace vatool {
namespace {

// What the last run of the test command was given.
std::map<std::string, std::string> gValues;
std::vector<std::string> gOperands;

int Record(const Arguments& a, std::ostream&, std::ostream&) {
  gValues.clear();
  for (const char* name : {"--order", "-o", "--json"})
    if (a.Has(name)) gValues[name] = *a.Value(name);
  gOperands = a.Positional();
  return kExitFindings;  // told apart from the parser's own results
}

const CommandRow kRow = {"sort", "IN...", 1, 2, "write the file with its records in order N",
                         {{"--order", "N", "the sort order, 300 to 315"},
                          {"--json", "", "one JSON document"},
                          {"-o", "OUT", "the file to write", true}},
                         Record};

struct Case {
  std::vector<std::string> args;
  int code;
  std::map<std::string, std::string> values;
  std::vector<std::string> operands;
};

TEST(RunCommandRow, OptionsOperandsAndRefusals) {
  const Case cases[] = {
      {{"-o", "OUT", "IN"}, kExitFindings, {{"-o", "OUT"}}, {"IN"}},
      {{"IN", "--order=305", "-o", "OUT", "--json"}, kExitFindings, {{"--order", "305"}, {"-o", "OUT"}, {"--json", ""}}, {"IN"}},
      {{"--order", "300", "--order", "301", "-o", "O", "I"}, kExitFindings, {{"--order", "301"}, {"-o", "O"}}, {"I"}},
      // Negative numbers and a lone "-" are operands, also as option values.
      {{"-o", "-", "-12.5", "-.5"}, kExitFindings, {{"-o", "-"}}, {"-12.5", "-0.5"}},
      {{"--order", "-3", "-o", "O", "I"}, kExitFindings, {{"--order", "-3"}, {"-o", "O"}}, {"I"}},
      {{"-o", "O", "--", "--json", "-.5x"}, kExitFindings, {{"-o", "O"}}, {"--json", "-.5x"}},
      {{"-o", "O", "I", "--bogus"}, kExitBadInput, {}, {}},
      {{"I", "--order"}, kExitBadInput, {}, {}},
      {{"-o", "O", "I", "--json=x"}, kExitBadInput, {}, {}},
      {{"I"}, kExitBadInput, {}, {}},                             // -o is required
      {{"-o", "O"}, kExitBadInput, {}, {}},                       // too few operands
      {{"-o", "O", "A", "B", "C"}, kExitBadInput, {}, {}},        // too many
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const Case& c = cases[i];
    gValues = {{"untouched", ""}};
    gOperands.clear();
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandRow(kRow, "xms", c.args, in, out, err), c.code);
    if (c.code == kExitBadInput) {
      EXPECT_EQ(gValues.count("untouched"), 1u) << "the command ran";
      EXPECT_EQ(err.str().rfind("vatool xms sort: ", 0), 0u) << err.str();
      EXPECT_NE(err.str().find("usage: vatool xms sort [--order N] [--json] -o OUT IN...\n"), std::string::npos) << err.str();
      continue;
    }
    EXPECT_EQ(gValues, c.values);
    EXPECT_EQ(gOperands, c.operands);
    EXPECT_EQ(err.str(), "");
  }
}

// A value name of two words takes two values, negative ones too, joined by a blank.
TEST(RunCommandRow, OptionOfTwoValues) {
  std::string at;
  static std::string* seen;
  seen = &at;
  const CommandRow row = {"render", "", 0, 0, "a map", {{"--at", "LON LAT", "a position"}},
                          [](const Arguments& a, std::ostream&, std::ostream&) {
                            *seen = a.Value("--at").value_or("none");
                            return kExitOk;
                          }};
  const struct {
    std::vector<std::string> args;
    int code;
    std::string at;
  } cases[] = {{{"--at", "15", "-0.5"}, kExitOk, "15 -0.5"},
               {{}, kExitOk, "none"},
               {{"--at", "15"}, kExitBadInput, ""},
               {{"--at", "15", "50", "1"}, kExitBadInput, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.size());
    at.clear();
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandRow(row, "map", c.args, in, out, err), c.code) << err.str();
    EXPECT_EQ(at, c.at);
  }
}

TEST(RunCommandRow, HelpComesFromTheRow) {
  std::istringstream in;
  std::ostringstream out, err;
  const std::vector<std::string> args = {"--help"};
  EXPECT_EQ(RunCommandRow(kRow, "xms", args, in, out, err), kExitOk);
  const std::string help = out.str();
  EXPECT_EQ(help.rfind("usage: vatool xms sort [--order N] [--json] -o OUT IN...\n", 0), 0u) << help;
  for (const OptionSpec& o : kRow.options) {
    EXPECT_NE(help.find(std::string(o.name)), std::string::npos) << o.name;
    EXPECT_NE(help.find(std::string(o.help)), std::string::npos) << o.help;
  }
}

TEST(CommandList, AlignsAndWrapsWithinTheLine) {
  const CommandRow longRow = {"select", "IN", 1, 1, std::string_view(
      "write the chosen records as a new file, with a summary long enough to need a second line and a third "
      "one after it for sure"), {{"--country", "C,...", ""}, {"--band", "LO-HI", ""}, {"-o", "OUT", "", true}}, Record};
  const CommandRow* rows[] = {&kRow, &longRow};
  const std::string list = CommandList(rows);
  std::istringstream lines(list);
  std::vector<std::string> got;
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 100u) << line;
    got.push_back(line);
  }
  ASSERT_GE(got.size(), 5u) << list;
  EXPECT_EQ(got[0].rfind("  sort [--order N] [--json] -o OUT IN...", 0), 0u);
  // The long synopsis puts its summary on the next line, at the same column as the first one.
  EXPECT_EQ(got[1], "  select [--country C,...] [--band LO-HI] -o OUT IN");
  EXPECT_EQ(got[0].find("write"), got[2].find("write"));
  EXPECT_EQ(got[3].find_first_not_of(' '), got[2].find("write"));
}

}  // namespace
}  // namespace vatool
