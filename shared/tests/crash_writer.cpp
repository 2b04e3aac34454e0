// Helper of the crash test: writes a file through the safe save and, when asked, is killed with
// SIGKILL at its k-th write, sync, close or rename.
//   crash_writer TARGET SEED K     (K = 0: not killed)
// The content depends on SEED alone: its length and its bytes, written in pieces of random length.
#include <cstdlib>
#include <random>
#include <string>

#include "atomic_file.h"
#include "crash_content.h"
#include "io_faults.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const unsigned seed = static_cast<unsigned>(std::atoi(argv[2]));
  const std::string content = ContentOf(seed);
  if (const long k = std::atol(argv[3]); k > 0) quorla::ArmIoFault(k, quorla::IoFaultAction::Kill);
  std::mt19937 random(seed * 7919u);
  quorla::AtomicFileWriter out(argv[1]);
  for (size_t at = 0; at < content.size();) {
    const size_t piece = 1 + random() % 65536;
    if (!out.Write(std::string_view(content).substr(at, piece))) return 1;
    at += piece;
  }
  return out.Commit() ? 0 : 1;
}
