// The manual page is made from the command rows: every command and option appears, escaped for
// roff, and no text line can be taken for a roff request.
#include <gtest/gtest.h>

#include <sstream>

#include "subcommand_table.h"

namespace vatool {
namespace {

int Nothing(const Arguments&, std::ostream&, std::ostream&) { return kExitOk; }

const CommandRow kRows[] = {
    {"sort", "IN", 1, 1, "write the file sorted", {{"--order", "N", "the order, 300 to 315"}, {"-o", "OUT", ".xms file", true}},
     Nothing},
    {"path", "", 0, 0, "print C:\\TOPO", {}, Nothing},
};
const SubcommandGroupRegistration kGroup({"mantest", "a test group", kRows, "'quoted notes"});

TEST(ManPage, EveryCommandAndOptionEscaped) {
  std::istringstream in;
  std::ostringstream out, err;
  ASSERT_EQ(RunVatool(std::vector<std::string>{"--man"}, in, out, err), kExitOk);
  const std::string man = out.str();
  EXPECT_EQ(man, ManPage());
  EXPECT_EQ(man.rfind(".TH VATOOL 1", 0), 0u);
  for (const char* want : {".SS mantest\na test group\n", ".B vatool mantest sort [\\-\\-order N] \\-o OUT IN\n",
                           ".B \\-\\-order N\nthe order, 300 to 315\n", ".B \\-o OUT\n\\&.xms file\n",
                           ".B vatool mantest path\nprint C:\\eTOPO\n", ".PP\n\\&'quoted notes\n"}) {
    EXPECT_NE(man.find(want), std::string::npos) << want;
  }
}

}  // namespace
}  // namespace vatool
