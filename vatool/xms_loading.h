#pragma once
// How the xms commands read Exchange data files and say why one is refused: through the editor's
// loader, so that they accept and refuse exactly what the editor's Open does, with its message
// after "vatool: PATH: ".
#include <ostream>
#include <string>

#include "records/exchange_loader.h"

namespace vatool {

// Writes "vatool: PATH: " and the loader's message for status to err.
void ReportLoadFailure(recbook::LoadStatus status, const std::string& path, std::ostream& err);

// Writes "vatool: TARGET: File wasn't save  !!" to err: the output was not written, target is as it was.
void ReportSaveFailure(const std::string& target, std::ostream& err);

// The true bytes of the file at path; false with the message on err.
bool LoadForCommand(const std::string& path, std::string& trueBytes, std::ostream& err);

}  // namespace vatool
