// Every command and every option of vatool carries an example, every example is parsed by its
// command's own parser (not run), and the help texts and the manual page show each of them. An
// option renamed, given another number of values or made required without its examples following
// fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "arguments.h"
#include "subcommand_table.h"

namespace vatool {
namespace {

// What is wrong with the examples of one row, one line per fault; empty when all hold.
std::vector<std::string> ExampleProblems(std::string_view group, const CommandRow& row) {
  std::vector<std::string> problems;
  const std::string command = std::string(group) + ' ' + std::string(row.name);
  // The parse of one example, or why the parser refused it.
  auto parse = [&](std::string_view example, const OptionSpec* option) {
    const std::vector<std::string> words = ExampleWords(example);
    std::istringstream in;
    std::ostringstream out, err;
    auto parsed = ParseCommandRow(row, group, words, in, out, err);
    const std::string where = command + (option ? " " + std::string(option->name) : std::string()) + ": ";
    if (!std::holds_alternative<Arguments>(parsed)) {
      problems.push_back(where + "'" + std::string(example) + "' refused: " + err.str());
      return;
    }
    if (!option) return;
    const Arguments& a = std::get<Arguments>(parsed);
    if (!a.Has(std::string(option->name))) {
      problems.push_back(where + "'" + std::string(example) + "' does not use the option");
      return;
    }
    // The value handed on is the words after the option's name in the example.
    const auto at = std::find(words.begin(), words.end(), option->name);
    const auto count = option->value.empty() ? 0 : std::count(option->value.begin(), option->value.end(), ' ') + 1;
    std::string want;
    for (auto w = at + 1; at != words.end() && w != words.end() && w <= at + count; ++w)
      want += (want.empty() ? "" : " ") + *w;
    if (a.Value(std::string(option->name)) != want)
      problems.push_back(where + "'" + std::string(example) + "' gives '" + *a.Value(std::string(option->name)) + "'");
  };
  if (row.example.empty()) problems.push_back(command + ": no example");
  else parse(row.example, nullptr);
  for (const OptionSpec& o : row.options) {
    if (o.example.empty()) problems.push_back(command + " " + std::string(o.name) + ": no example");
    else parse(o.example, &o);
  }
  return problems;
}

int Nothing(const Arguments&, std::ostream&, std::ostream&) { return kExitOk; }

// The checker itself: each faulty example is caught, and a sound row passes.
TEST(HelpExamples, StaleExamplesAreFound) {
  const struct {
    CommandRow row;
    std::string problem;  // "" for none
  } cases[] = {
      {{"sort", "IN", 1, 1, "s", {{"--order", "N", "o", true, "--order 305 IN"}}, Nothing, "--order 301 IN"}, ""},
      {{"sort", "IN", 1, 1, "s", {{"--order", "N", "o", true, "--order 305 IN"}}, Nothing}, "t sort: no example"},
      {{"sort", "IN", 1, 1, "s", {{"--order", "N", "o", false}}, Nothing, "IN"}, "t sort --order: no example"},
      // renamed option, an example without the option, a missing required option, too many operands
      {{"sort", "IN", 1, 1, "s", {{"--order", "N", "o", false, "--sort 305 IN"}}, Nothing, "IN"}, "refused"},
      {{"sort", "IN", 1, 1, "s", {{"--json", "", "j", false, "IN"}}, Nothing, "IN"}, "does not use the option"},
      {{"sort", "IN", 1, 1, "s", {{"-o", "OUT", "o", true, "-o X IN"}}, Nothing, "IN"}, "t sort: 'IN' refused"},
      {{"sort", "IN", 1, 1, "s", {{"-o", "OUT", "o", false, "-o X IN IN2"}}, Nothing, "IN"}, "refused"},
      // a value of two words given one, and a later repetition that replaces the shown value
      {{"map", "", 0, 0, "m", {{"--at", "LON LAT", "a", false, "--at 15"}}, Nothing, "--at 15 49"}, "refused"},
      {{"map", "", 0, 0, "m", {{"--at", "LON LAT", "a", false, "--at 15 -0.5"}}, Nothing, "--at 15 49"}, ""},
      {{"map", "", 0, 0, "m", {{"--w", "PX", "w", false, "--w 600 --w 800"}}, Nothing, "--w 1"}, "gives '800'"},
      {{"edit", "A...", 1, 9, "e", {{"-o", "OUT", "o", true, "-o \"MY FILE\" \"13Z=NEW SITE\""}}, Nothing,
        "-o X A"}, ""},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const std::vector<std::string> problems = ExampleProblems("t", cases[i].row);
    if (cases[i].problem.empty()) {
      EXPECT_TRUE(problems.empty()) << problems.front();
    } else {
      ASSERT_EQ(problems.size(), 1u);
      EXPECT_NE(problems[0].find(cases[i].problem), std::string::npos) << problems[0];
    }
  }
}

TEST(HelpExamples, ExampleWordsAsTheShellSplitsThem) {
  const struct {
    std::string_view example;
    std::vector<std::string> words;
  } cases[] = {
      {"", {}},
      {"--order 305  M_TEST.xms", {"--order", "305", "M_TEST.xms"}},
      {"\"13Z=NEW SITE\" A", {"13Z=NEW SITE", "A"}},
      {"4B=\"A B\"C", {"4B=A BC"}},
      {"-o \"\" X", {"-o", "", "X"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ExampleWords(c.example), c.words) << c.example;
}

TEST(HelpExamples, EveryCommandAndOptionHasOneThatItsParserTakes) {
  size_t rows = 0;
  for (const SubcommandGroup& g : Groups()) {
    for (const CommandRow& row : g.commands) {
      ++rows;
      for (const std::string& p : ExampleProblems(g.name, row)) ADD_FAILURE() << p;
    }
  }
  EXPECT_GT(rows, 20u) << "the commands are not registered in this test";
}

// "--" as the manual page writes it.
std::string RoffMinus(std::string text) {
  for (size_t at = 0; (at = text.find('-', at)) != std::string::npos; at += 2) text.replace(at, 1, "\\-");
  return text;
}

TEST(HelpExamples, EveryExampleIsShownInTheHelpAndTheManualPage) {
  const std::string program = ProgramHelp(), man = ManPage();
  for (const SubcommandGroup& g : Groups()) {
    SCOPED_TRACE(g.name);
    EXPECT_NE(program.find("\n  " + std::string(g.name) + ' '), std::string::npos);
    EXPECT_NE(program.find("e.g. vatool " + std::string(g.name) + ' '), std::string::npos);
    const std::string groupHelp = GroupHelp(g.name);
    for (const CommandRow& row : g.commands) {
      std::istringstream in;
      std::ostringstream out, err;
      ASSERT_EQ(RunVatool(std::vector<std::string>{std::string(g.name), std::string(row.name), "--help"}, in, out, err),
                kExitOk);
      std::vector<std::string_view> examples = {row.example};
      for (const OptionSpec& o : row.options) examples.push_back(o.example);
      for (std::string_view e : examples) {
        const std::string line = ExampleLine(g.name, row, e);
        EXPECT_NE(out.str().find(line + '\n'), std::string::npos) << line;
        EXPECT_NE(groupHelp.find(line + '\n'), std::string::npos) << line;
        EXPECT_NE(man.find("e.g. " + RoffMinus(line) + '\n'), std::string::npos) << line;
      }
    }
  }
  for (const char* option : {"--help", "--man"}) {
    EXPECT_NE(program.find("\n  " + std::string(option)), std::string::npos) << option;
    EXPECT_NE(man.find(".B " + RoffMinus(option) + "\n"), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace vatool
