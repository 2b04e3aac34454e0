#include "xms_loading.h"

#include "platform_paths.h"

namespace vatool {

void ReportLoadFailure(recbook::LoadStatus status, const std::string& path, std::ostream& err) {
  std::string text = recbook::LoadMessage(status, path, quorla::Language::English);
  for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\n");
  err << "vatool: " << path << ": " << text << '\n';
}

void ReportSaveFailure(const std::string& target, std::ostream& err) {
  err << "vatool: " << target << ": File wasn't save  !!\n";
  // A temporary folder that cannot be used is said as such, not left to look like a full disk.
  if (const recbook::TempStatus status = recbook::CheckTempFolder(); status != recbook::TempStatus::Ok) {
    std::string folder;
    quorla::PrivateTempFolder(folder);
    ReportLoadFailure(recbook::LoadStatusOf(status), folder, err);
  }
}

bool LoadForCommand(const std::string& path, std::string& trueBytes, std::ostream& err) {
  const recbook::LoadStatus status = recbook::LoadExchangeFile(path, trueBytes);
  if (status == recbook::LoadStatus::Ok) return true;
  ReportLoadFailure(status, path, err);
  return false;
}

}  // namespace vatool
