#pragma once
// The file state and file commands of one editor window: New, Open, Save, Save as, the CR+LF
// export, Rename and Delete of the edited file. Qt-free: the window shows what the view is told,
// every message and dialog goes through the Host. Each command returns 1 when the user cancelled,
// else 0.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bilingual_texts.h"
#include "file_stamp.h"
#include "host.h"
#include "records/working_copy.h"

namespace recbook {

// What the file commands need of the window: its forms, its record list and its controls.
class FileCommandsView {
 public:
  virtual ~FileCommandsView() = default;
  // Writes the record or header form into the working copy (the form was dirty); false when the
  // form's checks refused it (the user was told), which ends the command.
  virtual bool StoreForm() = 0;
  // Record numbers of the listed records in list order; with taggedOnly only the tagged ones.
  virtual std::vector<uint32_t> ListedRecords(bool taggedOnly) const = 0;
  // The header of a save of tagged records into target, from the header dialog; nullopt when
  // cancelled.
  virtual std::optional<std::string> TaggedRecordsHeader(const std::string& target) = 0;
  virtual void ShowFileField(const std::string& text) = 0;
  virtual void ShowHeaderInfo(const std::string& text) = 0;
  virtual void EnableSaveCommands(bool save, bool saveAs, bool saveCrLfAs) = 0;
  // A file was opened: list in file order, first record and the header in the forms, list page.
  virtual void ShowOpenedFile(uint64_t records) = 0;
  // A new file: empty list, forms cleared for record 1, record page.
  virtual void ShowNewFile() = 0;
  // The edited file was deleted: list, forms and status bar cleared, Sort and Corrections menus
  // disabled, the Edit menu rebuilt.
  virtual void ShowNoFile() = 0;
  // The small window of a long export with its title and progress bar: records written of total;
  // done == total closes it.
  virtual void ShowProgress(const std::string& title, uint64_t done, uint64_t total) = 0;
};

class FileCommands {
 public:
  FileCommands(quorla::Host& host, FileCommandsView& view, quorla::Language language, std::string caption);

  int NewFileCommand();
  int OpenFileCommand();
  int SaveFileCommand(bool ask);
  int SaveFileAsCommand(bool taggedOnly);
  int SaveCrLfAsCommand();
  int RenameEditedFileCommand();
  int DeleteEditedFileCommand();

  // The save dialog with the name rules of a save: the chosen path, or empty text.
  std::string SaveAsDialog(const std::string& defaultName, std::string_view title);

  // A record or header edit was stored in the working copy, or records were deleted.
  void CountChange() { ++changes_; }
  // The automatic correction: its repair count becomes the change count.
  void SetChanges(long long changes) { changes_ = changes; }
  void SetFormDirty(bool dirty) { formDirty_ = dirty; }
  // Leaving the window: the working copy is deleted.
  void CloseWorkingCopy() { copy_.Remove(); }

  const std::string& editedFile() const { return editedFile_; }
  const std::string& lastDirectory() const { return lastDirectory_; }
  void setLastDirectory(std::string directory) { lastDirectory_ = std::move(directory); }
  long long changes() const { return changes_; }
  bool formDirty() const { return formDirty_; }
  uint64_t recordCount() const { return recordCount_; }
  bool fixedDrive() const { return fixedDrive_; }
  bool crLf() const { return crLf_; }
  WorkingCopy& workingCopy() { return copy_; }
  const WorkingCopy& workingCopy() const { return copy_; }

 private:
  enum class Written { Ok, Failed, Cancelled };
  Written WriteEditedFile(bool taggedOnly, const std::string& target);
  std::optional<std::string> WritingDate(const std::string& header);
  quorla::Answer Tell(std::string_view text, std::string_view title, quorla::Buttons buttons, quorla::Icon icon);
  std::string Title(const quorla::BiText& text) const;
  // Stores a dirty form into the working copy (one more change); false when the form refused.
  bool StoreDirtyForm();
  // The save question before another file replaces this one; true when the user cancelled.
  bool AskToSaveFirst();
  // Loads a file into a fresh working copy; false (message shown, state unchanged) when refused.
  bool Load(const std::string& path);
  // The message of a failed save: usual, or what is wrong with the temporary folder.
  std::string SaveFailure(std::string usual) const;
  // Whether the edited file on disk is still the one loaded or last saved.
  bool UnchangedOnDisk() const;

  quorla::Host& host_;
  FileCommandsView& view_;
  quorla::Language language_;
  std::string caption_;

  std::string editedFile_;
  std::optional<quorla::FileStamp> loadedStamp_;  // the edited file as loaded or last saved
  WorkingCopy copy_;
  std::string lastDirectory_;  // ends with "/" when set
  std::string lastFileName_;
  std::string sizeText_;
  uint64_t recordCount_ = 0;
  long long changes_ = 0;
  bool formDirty_ = false;
  bool fixedDrive_ = false;
  bool crLf_ = false;
};

}  // namespace recbook
