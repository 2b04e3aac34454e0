// vatool for crash tests: `vatool_crash K GROUP COMMAND ...` runs the command with the file
// helpers' fault seam armed to end the process with SIGKILL at its K-th write, sync, close or
// rename (K = 0: not at all).
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "io_faults.h"
#include "subcommand_table.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (const long k = std::atol(argv[1]); k > 0) quorla::ArmIoFault(k, quorla::IoFaultAction::Kill);
  const int rc = vatool::RunVatool(args, std::cin, std::cout, std::cerr);
  std::cout.flush();
  return rc;
}
