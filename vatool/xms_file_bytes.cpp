#include "xms_file_bytes.h"

#include <ostream>

#include "atomic_file.h"
#include "records/station_record.h"

namespace vatool {

bool ReadXmsFile(const std::string& path, XmsFileBytes& file, std::ostream& err) {
  using recbook::FileKind;
  file.check = recbook::CheckExchangeFile(path);
  if (file.check.kind == FileKind::Missing) {
    err << "File  doesn't  exist  !!  \n";
    return false;
  }
  const std::string notExchange = "File  " + path + "  \nisn't  Exchange data file  (''true'' or with CR,LF) !!  \n";
  if (file.check.kind == FileKind::NotExchange) {
    err << notExchange;
    return false;
  }
  if (!quorla::ReadWholeFile(path, file.raw)) {
    err << path << ": cannot be read\n";
    return false;
  }
  file.records = file.check.kind == FileKind::CrLf ? recbook::WithoutLineEndings(file.raw) : file.raw;
  if (file.records.size() < recbook::kRecordSize || file.records.size() % recbook::kRecordSize != 0) {
    err << notExchange;
    return false;
  }
  return true;
}

}  // namespace vatool
