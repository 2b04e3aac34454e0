#include "listing/other_file_check.h"

#include "listing/merge_file.h"
#include "platform_paths.h"
#include "records/exchange_file.h"

namespace recbook {

OtherFileStatus CheckOtherFile(const std::string& path, const std::string& editedFile) {
  const FileCheck check = CheckExchangeFile(path);
  switch (check.kind) {
    case FileKind::Missing: return OtherFileStatus::Missing;
    case FileKind::NotExchange: return OtherFileStatus::NotExchange;
    case FileKind::CrLf: return OtherFileStatus::CrLf;
    case FileKind::True: break;
  }
  if (quorla::KindOfDrive(path) == quorla::DriveKind::CdRom) return OtherFileStatus::CdRom;
  if (!editedFile.empty() && IsSameFile(path, editedFile)) return OtherFileStatus::SameAsEdited;
  return OtherFileStatus::Ok;
}

std::string OtherFileMessage(OtherFileStatus status) {
  switch (status) {
    case OtherFileStatus::Missing: return "File  doesn't  exist  !!  ";
    case OtherFileStatus::NotExchange: return "This file  isn't  Exchange data file  !!  ";
    case OtherFileStatus::CrLf:
      return "This file  maid be  Exchange data file,\nwith  CR,LF  records separators  !!  \n\n"
             "File conversion:  Editor ''File'' menu:  Open  and  Save As ...  ";
    case OtherFileStatus::CdRom: return "File was loaded from CD-ROM and I can't write file on it  !!  ";
    case OtherFileStatus::SameAsEdited: return "You want to load the same file as Edited file  !!  ";
    case OtherFileStatus::Ok: break;
  }
  return {};
}

std::string OtherFileTitleSuffix(OtherFileStatus status) {
  if (status == OtherFileStatus::CdRom) return " Drive Error";
  if (status == OtherFileStatus::SameAsEdited) return " File Error";
  return " Open file Error";
}

}  // namespace recbook
