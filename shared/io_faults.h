#pragma once
// A seam for fault and crash tests of the file helpers: the n-th write, sync, close or rename of
// file_io.h (counted from the call that arms it, over the whole process) fails with EIO, or ends
// the process with SIGKILL. Unarmed it costs one relaxed atomic read per call.
namespace quorla {

enum class IoFaultAction { Fail, Kill };

// Arms the seam at the n-th call from now; n = 0 disarms it.
void ArmIoFault(long n, IoFaultAction action = IoFaultAction::Fail);
// Whether the armed fault has been met since ArmIoFault.
bool IoFaultMet();

// Used by file_io.cpp before each counted call: true when this call must fail (errno is EIO).
bool IoFaultNow();

}  // namespace quorla
