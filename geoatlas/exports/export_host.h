#pragma once
// The Host of the exported entry points: Qt message boxes when the caller runs a QApplication,
// otherwise the messages on standard error.
#include "host.h"

namespace quorla::geoatlas {

Host& ExportHost();

}  // namespace quorla::geoatlas
