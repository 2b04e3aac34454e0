#pragma once
// The real task windows of the launcher's loop: each call builds the window in the language
// given, runs it modally and returns its code.
#include "launcher.h"

namespace taskhub {

class QtTaskWindows : public TaskWindows {
 public:
  int Run(int language, int task) override;
};

}  // namespace taskhub
