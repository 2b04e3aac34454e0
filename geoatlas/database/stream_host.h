#pragma once
// A Host without windows: messages go to a text stream as "title: text" and are answered with
// their first button; dialogs are cancelled. For the command line and for callers without Qt.
#include <ostream>

#include "quiet_host.h"

namespace quorla::geoatlas {

class StreamHost : public QuietHost {
 public:
  explicit StreamHost(std::ostream& out) : out_(out) {}
  Answer Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override;

 private:
  std::ostream& out_;
};

}  // namespace quorla::geoatlas
