#include "stream_host.h"

namespace quorla::geoatlas {

Answer StreamHost::Message(std::string_view text, std::string_view title, Buttons buttons, Icon) {
  out_ << title << ": " << text << '\n';
  switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Answer::Yes;
    case Buttons::RetryCancel: return Answer::Retry;
    case Buttons::AbortRetryIgnore: return Answer::Abort;
    default: return Answer::Ok;
  }
}

}  // namespace quorla::geoatlas
