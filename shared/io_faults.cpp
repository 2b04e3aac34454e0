#include "io_faults.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace quorla {
namespace {
std::atomic<long> g_remaining{0};
std::atomic<bool> g_met{false};
std::atomic<IoFaultAction> g_action{IoFaultAction::Fail};
}  // namespace

void ArmIoFault(long n, IoFaultAction action) {
  g_action.store(action);
  g_met.store(false);
  g_remaining.store(n);
}

bool IoFaultMet() { return g_met.load(); }

bool IoFaultNow() {
  if (g_remaining.load(std::memory_order_relaxed) <= 0) return false;
  if (g_remaining.fetch_sub(1) != 1) return false;
  g_met.store(true);
  if (g_action.load() == IoFaultAction::Kill) ::kill(::getpid(), SIGKILL);
  errno = EIO;
  return true;
}

}  // namespace quorla
