#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "subcommand_table.h"

int main(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_DFL);  // a closed pipe ends the run quietly
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int rc = vatool::RunVatool(args, std::cin, std::cout, std::cerr);
  std::cout.flush();
  return rc;
}
