#pragma once
// The editor's temporary files in the private temporary folder: prefix + NN + ".tmp", NN the
// first free number of 01 to 98 ("#wcopy") or 01 to 99 ("#tmp"), mask "00". Each is created
// exclusively with mode 0600 and held locked by its owner while it exists, so a name in use by a
// live process is never taken again; one left behind by a process that ended is reclaimed. When
// every name is held by a live process there is no temporary file: nothing is ever shared.
#include <string>

namespace recbook {

enum class TempKind {
  WorkingCopy,  // "#wcopy"
  Staging,      // "#tmp": staging file of a save, of an append or of a remove
};

enum class TempStatus { Ok, FolderNotPrivate, FolderUnusable, NoFreeName };

// The state of the private temporary folder (Ok, FolderNotPrivate or FolderUnusable): what a
// failed save tells besides its own message.
TempStatus CheckTempFolder();

// An owned temporary file, open for reading and writing; removed when it goes.
class TempFile {
 public:
  TempFile() = default;
  ~TempFile() { Remove(); }
  TempFile(TempFile&& other) noexcept { Swap(other); }
  TempFile& operator=(TempFile&& other) noexcept {
    Swap(other);
    return *this;
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  // Removes what ended processes left in folder (which ends with "/"), then creates the first
  // free name of kind there.
  TempStatus Create(const std::string& folder, TempKind kind);
  // The same in the private temporary folder.
  TempStatus Create(TempKind kind);

  void Swap(TempFile& other) noexcept;
  void Remove();
  bool IsOpen() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace recbook
