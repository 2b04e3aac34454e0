#pragma once
// The directory settings dialog without its widgets: the directories stored in the registry, the
// two edit boxes with their file dialogs "Find &1" / "Find &2", and OK, which checks both
// directories, makes them the map viewer's and writes them to the registry when asked to.
#include <string>

#include "bilingual_texts.h"
#include "dialogs/directory_dialog_view.h"
#include "directories/map_directories.h"
#include "host.h"
#include "settings_store.h"

namespace terrainmap {

struct DirectoryDialogStart {
  quorla::Language language = quorla::Language::English;
  std::string caption;
  bool saveForced = false;      // the block's save flag is not 0: the check box is set and fixed
  bool rememberedSave = false;  // the check box's state from the last OK in this process
};

class DirectoryDialogPresenter {
 public:
  DirectoryDialogPresenter(DirectoryDialogView& view, quorla::Host& host, quorla::SettingsStore& store,
                           DirectoryDialogStart start);

  std::string Title() const;
  // "1. DTM data:  " and "2. Lines data:  " with the stored values or "...  no data !!".
  std::string StoredTerrainLine() const;
  std::string StoredBorderLine() const;
  bool saveChecked() const { return save_; }
  bool saveEnabled() const { return !start_.saveForced; }
  void SetSave(bool on);

  // Fills the edit boxes with the map viewer's current directories.
  void Open();
  // "Find &1" / "Find &2" with the edit box's text: a chosen tile file gives the folder above its
  // longitude folder, a chosen line file its own folder.
  void FindTerrain(const std::string& current);
  void FindBorder(const std::string& current);
  // "&OK": false (a beep, the dialog stays) when no terrain directory results.
  bool Ok(const std::string& terrain, const std::string& border);
  void Cancel() { view_.Close(0); }

  // After OK: the terrain directory for the block's result field.
  const std::string& resultDirectory() const { return result_; }

 private:
  std::string ChooseFile(quorla::BiText title, quorla::BiText filter, quorla::BiText name, const std::string& current);

  DirectoryDialogView& view_;
  quorla::Host& host_;
  quorla::SettingsStore& store_;
  DirectoryDialogStart start_;
  MapDirectories stored_;
  bool save_;
  std::string result_;
};

}  // namespace terrainmap
