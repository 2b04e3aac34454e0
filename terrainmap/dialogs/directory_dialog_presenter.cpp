#include "dialogs/directory_dialog_presenter.h"

#include "dialogs/directory_dialog_texts.h"
#include "directories/directory_checks.h"

namespace terrainmap {
namespace {

// The path before its n-th "/" counted from the end ("/" when that is the path's first
// character); empty when the path has fewer.
std::string PathBeforeSeparator(const std::string& path, int fromEnd) {
  size_t at = path.size();
  for (int i = 0; i < fromEnd; ++i) {
    if (at == 0) return {};
    at = path.rfind('/', at - 1);
    if (at == std::string::npos) return {};
  }
  return at == 0 ? std::string("/") : path.substr(0, at);
}

std::string StoredLine(quorla::BiText label, const std::string& value, quorla::Language language) {
  return std::string(label(language)) + (value.empty() ? std::string(kDirectoryDialogTexts.noData(language)) : value);
}

}  // namespace

DirectoryDialogPresenter::DirectoryDialogPresenter(DirectoryDialogView& view, quorla::Host& host,
                                                   quorla::SettingsStore& store, DirectoryDialogStart start)
    : view_(view),
      host_(host),
      store_(store),
      start_(std::move(start)),
      stored_(StoredMapDirectories(store)),
      save_(start_.saveForced || start_.rememberedSave) {}

std::string DirectoryDialogPresenter::Title() const {
  return start_.caption + std::string(kDirectoryDialogTexts.title(start_.language));
}

std::string DirectoryDialogPresenter::StoredTerrainLine() const {
  return StoredLine(kDirectoryDialogTexts.storedTerrain, stored_.terrain, start_.language);
}

std::string DirectoryDialogPresenter::StoredBorderLine() const {
  return StoredLine(kDirectoryDialogTexts.storedBorder, stored_.border, start_.language);
}

void DirectoryDialogPresenter::SetSave(bool on) {
  if (!start_.saveForced) save_ = on;
}

void DirectoryDialogPresenter::Open() {
  const MapDirectories current = CurrentMapDirectories(store_);
  view_.SetTerrainText(current.terrain);
  view_.SetBorderText(current.border);
}

void DirectoryDialogPresenter::FindTerrain(const std::string& current) {
  const auto& t = kDirectoryDialogTexts;
  const std::string chosen = ChooseFile(t.terrainDialogTitle, t.terrainFilter, t.terrainInitialName, current);
  if (!chosen.empty()) view_.SetTerrainText(PathBeforeSeparator(chosen, 2));  // above the longitude folder
}

void DirectoryDialogPresenter::FindBorder(const std::string& current) {
  const auto& t = kDirectoryDialogTexts;
  const std::string chosen = ChooseFile(t.borderDialogTitle, t.borderFilter, t.borderInitialName, current);
  if (!chosen.empty()) view_.SetBorderText(PathBeforeSeparator(chosen, 1));
}

std::string DirectoryDialogPresenter::ChooseFile(quorla::BiText title, quorla::BiText filter, quorla::BiText name,
                                                 const std::string& current) {
  quorla::FileDialogRequest request;
  request.title = start_.caption + std::string(title(start_.language));
  request.filter = filter(start_.language);
  request.fileName = name(start_.language);
  request.directory = current;
  request.fileMustExist = true;
  return host_.OpenFileName(request);
}

bool DirectoryDialogPresenter::Ok(const std::string& terrain, const std::string& border) {
  const MapDirectories checked{VerifyTerrainDirectory(terrain), VerifyBorderDirectory(border)};
  if (checked.terrain.empty()) {
    view_.SetTerrainText(checked.terrain);
    view_.SetBorderText(checked.border);
    host_.Beep();
    return false;
  }
  SetCurrentMapDirectories(checked);
  if (save_) StoreMapDirectories(store_, checked);
  result_ = checked.terrain;
  view_.Close(1);
  return true;
}

}  // namespace terrainmap
