#include "session/file_commands.h"

#include <unistd.h>

#include "owned_files.h"
#include "platform_paths.h"
#include "records/exchange_loader.h"
#include "records/file_conversion.h"
#include "records/record_text.h"
#include "session/edited_file_writer.h"
#include "session/file_texts.h"
#include "session/path_parts.h"

namespace recbook {

using quorla::Answer;
using quorla::Buttons;
using quorla::Icon;
namespace texts = file_texts;

FileCommands::FileCommands(quorla::Host& host, FileCommandsView& view, quorla::Language language, std::string caption)
    : host_(host), view_(view), language_(language), caption_(std::move(caption)) {}

Answer FileCommands::Tell(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
  return host_.Message(text, title, buttons, icon);
}

std::string FileCommands::Title(const quorla::BiText& text) const { return caption_ + std::string(text(language_)); }

bool FileCommands::StoreDirtyForm() {
  if (!formDirty_) return true;
  if (!view_.StoreForm()) return false;
  formDirty_ = false;
  ++changes_;
  return true;
}

bool FileCommands::AskToSaveFirst() {
  return (changes_ > 0 || formDirty_) && SaveFileCommand(true) == 1;
}

int FileCommands::NewFileCommand() {
  if (AskToSaveFirst()) return 1;
  const std::string path = SaveAsDialog("", texts::kNewTitle(language_));
  if (path.empty()) return 1;
  // The blank header and record go straight into a fresh working copy, never to the chosen path:
  // that may be an existing file the user agreed to overwrite later, not now.
  WorkingCopy fresh;
  const TempStatus made = fresh.Create();
  if (made != TempStatus::Ok || !fresh.WriteRecord(0, "") || !fresh.WriteRecord(1, "")) {
    Tell(made == TempStatus::Ok ? texts::SaveAsFailed(language_) : LoadMessage(LoadStatusOf(made), "", language_),
         Title(texts::kSavingErrorTitle), Buttons::Ok, Icon::Error);
    return 1;
  }
  copy_.Remove();
  copy_.Swap(fresh);
  fixedDrive_ = false;
  crLf_ = false;
  editedFile_ = path;
  loadedStamp_.reset();
  sizeText_.clear();
  recordCount_ = 0;
  changes_ = 0;
  formDirty_ = false;
  view_.ShowFileField(editedFile_);
  view_.EnableSaveCommands(true, true, true);
  view_.ShowNewFile();
  return 0;
}

int FileCommands::OpenFileCommand() {
  if (AskToSaveFirst()) return 1;
  for (;;) {
    quorla::FileDialogRequest request;
    request.title = Title(texts::kOpenTitle);
    request.filter = std::string(texts::kAllFilesFilter(language_));
    request.directory = InitialDirectory(lastDirectory_);
    request.fileName = lastFileName_;
    request.fileMustExist = true;
    const std::string path = host_.OpenFileName(request);
    if (path.empty()) return 1;
    lastDirectory_ = DirectoryPart(path);
    lastFileName_ = BareName(path);
    if (Load(path)) return 0;
  }
}

bool FileCommands::Load(const std::string& path) {
  ExchangeReader reader;
  WorkingCopy fresh;
  LoadStatus status = reader.Open(path);
  if (status == LoadStatus::Ok) status = reader.ReadInto(fresh);
  char header[kRecordSize];
  if (status == LoadStatus::Ok && !fresh.ReadRecord(0, header)) status = LoadStatus::CopyFailed;
  if (status != LoadStatus::Ok) {
    Tell(LoadMessage(status, path, language_), Title(texts::kOpenErrorTitle), Buttons::Ok, Icon::Error);
    return false;
  }
  const FileCheck& check = reader.check();
  copy_.Remove();
  copy_.Swap(fresh);
  crLf_ = check.kind == FileKind::CrLf;
  sizeText_ = texts::SizeText(check.size, crLf_);
  fixedDrive_ = quorla::KindOfDrive(path) == quorla::DriveKind::Fixed;
  editedFile_ = path;
  loadedStamp_ = quorla::StampOf(path);
  recordCount_ = static_cast<uint64_t>(check.records);
  changes_ = 0;
  formDirty_ = false;
  view_.ShowHeaderInfo(std::string(texts::kStartingData(language_)) +
                       std::string(header + kHeaderCountOffset, kHeaderCountWidth) + "  Rec");
  view_.ShowFileField(editedFile_ + sizeText_);
  view_.EnableSaveCommands(!crLf_, true, true);
  view_.ShowOpenedFile(recordCount_);
  return true;
}

std::string FileCommands::SaveFailure(std::string usual) const {
  // A temporary folder that cannot be used is said as such, not taken for a full disk.
  const TempStatus folder = CheckTempFolder();
  return folder == TempStatus::Ok ? usual : LoadMessage(LoadStatusOf(folder), "", language_);
}

bool FileCommands::UnchangedOnDisk() const {
  const std::optional<quorla::FileStamp> now = quorla::StampOf(editedFile_);
  // A new file, or one removed (or put aside for a folder or a device) since: no records on disk to lose.
  return !loadedStamp_ || !now || *now == *loadedStamp_;
}

std::optional<std::string> FileCommands::WritingDate(const std::string& header) {
  const std::string written = header.substr(kHeaderDateOffset, kHeaderDateWidth);
  const std::string today = DateItem(host_.Now());
  if (written == today) return written;
  const Answer a = Tell(texts::WritingDateQuestion(language_, DateToDisplay(written), DateToDisplay(today)),
                        Title(texts::kDateTitle), Buttons::YesNoCancel, Icon::Question);
  if (a == Answer::Cancel) return std::nullopt;
  return a == Answer::Yes ? today : written;
}

FileCommands::Written FileCommands::WriteEditedFile(bool taggedOnly, const std::string& target) {
  std::string header;
  const std::vector<uint32_t> listed = view_.ListedRecords(taggedOnly);
  if (taggedOnly) {
    const std::optional<std::string> chosen = view_.TaggedRecordsHeader(target);
    if (!chosen) return Written::Cancelled;
    header = *chosen;
  } else {
    char stored[kRecordSize];
    if (!copy_.ReadRecord(0, stored)) return Written::Failed;
    header.assign(stored, kRecordSize);
    const std::optional<std::string> date = WritingDate(header);
    if (!date) return Written::Cancelled;
    header = SavedHeader(header, listed.size(), *date);
  }
  return recbook::WriteEditedFile(copy_, header, listed, target) ? Written::Ok : Written::Failed;
}

int FileCommands::SaveFileCommand(bool ask) {
  if (!copy_.IsOpen() || editedFile_.empty()) return 0;
  if (ask) {
    const Answer a = Tell(texts::SaveChangesQuestion(language_, changes_ + (formDirty_ ? 1 : 0)), " " + caption_,
                          Buttons::YesNoCancel, Icon::Question);
    if (a == Answer::No) return 0;
    if (a == Answer::Cancel) return 1;
  }
  if (!StoreDirtyForm()) return 1;
  std::string target = editedFile_;
  if (quorla::KindOfDrive(editedFile_) == quorla::DriveKind::CdRom) {
    Tell(texts::kLoadedFromCdRom(language_), Title(texts::kDriveErrorTitle), Buttons::Ok, Icon::Error);
    target = SaveAsDialog(BareName(editedFile_), texts::kSaveAsTitle(language_));
    if (target.empty()) return 1;
  }
  // The edited file is held locked through the save; one that another program changed since it
  // was loaded is not overwritten without asking.
  quorla::FileLock lock;
  lock.Acquire(target);
  if (target == editedFile_ && !UnchangedOnDisk()) {
    if (Tell(texts::ChangedOnDiskQuestion(language_, target), " " + Title(texts::kConflictTitle), Buttons::YesNo,
             Icon::Exclamation) != Answer::Yes)
      return 1;
  }
  for (;;) {
    const Written w = WriteEditedFile(false, target);
    if (w == Written::Cancelled) return 1;
    if (w == Written::Ok) break;
    const Answer a = Tell(SaveFailure(texts::SaveFailed(language_)), Title(texts::kSavingErrorTitle),
                          Buttons::AbortRetryIgnore, Icon::Error);
    if (a == Answer::Abort) return 1;
    if (a == Answer::Ignore) return 0;
  }
  if (target == editedFile_) loadedStamp_ = quorla::StampOf(target);
  changes_ = 0;
  formDirty_ = false;
  Tell(texts::Saved(language_, texts::kSavedEdited, editedFile_), Title(texts::kInfoTitle), Buttons::Ok,
       Icon::Information);
  return 0;
}

int FileCommands::SaveFileAsCommand(bool taggedOnly) {
  if (!copy_.IsOpen()) return 0;
  if (!StoreDirtyForm()) return 1;
  const auto& title = taggedOnly ? texts::kSaveTaggedAsTitle : texts::kSaveAsTitle;
  const std::string path = SaveAsDialog(BareName(editedFile_), title(language_));
  if (path.empty()) return 1;
  for (;;) {
    const Written w = WriteEditedFile(taggedOnly, path);
    if (w == Written::Cancelled) return 1;
    if (w == Written::Ok) break;
    if (Tell(SaveFailure(texts::SaveAsFailed(language_)), Title(texts::kSavingErrorTitle), Buttons::RetryCancel,
             Icon::Error) != Answer::Retry)
      return 1;
  }
  Tell(texts::Saved(language_, taggedOnly ? texts::kSavedTaggedInto : texts::kSavedInto, path),
       Title(texts::kInfoTitle), Buttons::Ok, Icon::Information);
  return 0;
}

int FileCommands::SaveCrLfAsCommand() {
  if (!copy_.IsOpen()) return 0;
  if (!StoreDirtyForm()) return 1;
  std::string name = BareName(editedFile_);
  for (char& c : name) c = c == '.' ? '_' : c;
  const std::string path = SaveAsDialog(name + ".txt", texts::kCrLfTitle(language_));
  if (path.empty()) return 1;
  const uint64_t total = copy_.StoredRecords();
  const std::string windowTitle = " " + Title(texts::kCrLfWindowTitle);
  for (;;) {
    view_.ShowProgress(windowTitle, 0, total);
    ExchangeReader stored;
    LoadStatus read = stored.OpenTrue(copy_.path());
    const ConversionResult r =
        read != LoadStatus::Ok ? ConversionResult::ReadFailed
                               : ConvertExchangeFile(stored, FileKind::CrLf, path, quorla::AtomicFileWriter::Durability::Flushed,
                                                     read, [&](uint64_t done) {
                                                       view_.ShowProgress(windowTitle, done, total);
                                                       host_.ProcessEvents();
                                                     });
    view_.ShowProgress(windowTitle, total, total);
    if (r == ConversionResult::Ok) return 0;
    // A failed export is said, not passed over: the target is as it was.
    if (Tell(texts::SaveAsFailed(language_), Title(texts::kSavingErrorTitle), Buttons::RetryCancel, Icon::Error) !=
        Answer::Retry)
      return 1;
  }
}

std::string FileCommands::SaveAsDialog(const std::string& defaultName, std::string_view title) {
  std::string name = defaultName;
  const std::string filter = texts::SaveAsFilter(language_, defaultName);
  for (;;) {
    quorla::FileDialogRequest request;
    request.title = caption_ + std::string(title);
    request.filter = filter;
    request.directory = InitialDirectory(lastDirectory_);
    request.fileName = name;
    const std::string path = host_.SaveFileName(request);
    if (path.empty()) return {};
    if (quorla::KindOfDrive(path) == quorla::DriveKind::CdRom) {
      Tell(texts::kCdRomTarget(language_), Title(texts::kSelectedDriveErrorTitle), Buttons::Ok, Icon::Error);
      continue;
    }
    const std::string directory = DirectoryPart(path);
    name = WithoutBlanks(BareName(path));
    const size_t dot = name.find('.');
    if (dot == std::string::npos) continue;
    name = name.substr(0, dot + 1) + name.substr(dot + 1, 3);
    lastDirectory_ = directory;
    const std::string chosen = directory + name;
    if (!quorla::FileExists(chosen)) return chosen;
    if (Tell(texts::OverwriteQuestion(language_, chosen), " " + Title(texts::kConflictTitle), Buttons::YesNo,
             Icon::Exclamation) == Answer::Yes)
      return chosen;
  }
}

int FileCommands::RenameEditedFileCommand() {
  if (!fixedDrive_ || editedFile_.empty()) return 0;
  const std::string directory = DirectoryPart(editedFile_);
  quorla::FileDialogRequest request;
  request.title = caption_ + texts::RenameTitle(language_, BareName(editedFile_));
  request.filter = std::string(texts::kRenameFilter(language_));
  request.directory = InitialDirectory(directory);
  request.fileName = "*.*";
  for (;;) {
    const std::string path = host_.SaveFileName(request);
    if (path.empty()) return 1;
    if (DirectoryPart(path) != directory) continue;
    if (!quorla::FileExists(path) && ::rename(editedFile_.c_str(), path.c_str()) == 0) {
      editedFile_ = path;
      view_.ShowFileField(editedFile_ + sizeText_);
      return 0;
    }
    Tell(texts::kAlreadyExists(language_), Title(texts::kRenameErrorTitle), Buttons::Ok, Icon::Error);
  }
}

int FileCommands::DeleteEditedFileCommand() {
  if (!fixedDrive_ || editedFile_.empty()) return 0;
  if (Tell(texts::DeleteQuestion(language_, editedFile_), caption_, Buttons::YesNo, Icon::Exclamation) != Answer::Yes)
    return 1;
  ::unlink(editedFile_.c_str());
  if (quorla::FileExists(editedFile_)) return 0;
  editedFile_.clear();
  sizeText_.clear();
  recordCount_ = 0;
  changes_ = 0;
  formDirty_ = false;
  view_.ShowFileField(std::string(texts::kUnknownFile(language_)));
  view_.ShowHeaderInfo("");
  view_.EnableSaveCommands(false, false, true);
  view_.ShowNoFile();
  return 0;
}

}  // namespace recbook
