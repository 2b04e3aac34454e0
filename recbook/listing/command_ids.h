#pragma once
// The command ids of the editor window: menu items, image buttons, Esc and the tag-column press.
// The list's sort orders (300 to 315) are their own ids (sort_orders.h).
namespace recbook {

enum Command : int {
  kEscape = 2,
  kNewButton = 6,
  kOpenButton = 7,
  kFormFirstButton = 4,  // the record form's " New Rec" / " Find error"
  kToggleTags = 10,  // a press in the list's tag column
  // File
  kNewFile = 101,
  kOpenFile = 102,
  kSaveFile = 103,
  kSaveFileAs = 104,
  kSaveCrLfAs = 105,
  kExit = 106,
  // Edit, on the list page
  kTagSelected = 201,
  kTagAll = 202,
  kUntagSelected = 203,
  kUntagAll = 204,
  kSaveTaggedAs = 205,
  kAppendTagged = 206,
  kDeleteTagged = 207,
  kDeleteRecordsWithErrors = 207,  // the same item while the error search runs
  kRemoveTagged = 208,
  kRenameEdited = 209,
  kDeleteEdited = 210,
  // Edit, on the record page (219 also the form's diskette) and on the header page
  kSaveRecord = 219,
  kAddRecord = 220,
  kClearRecord = 221,
  kRestoreRecord = 222,
  kSaveHeader = 229,
  kClearHeader = 230,  // also the header form's " Clear"
  kRestoreHeader = 231,
  // Corrections
  kAutomaticCorrection = 401,
  kCalcErrorSearch = 402,
  kAllErrorSearch = 403,
  // Utilities
  kDateTimeSetting = 505,
  kDirectorySetting = 506,
  kGeoBoxSetting = 507,
  // Help
  kExchangeFileHelp = 601,
  kEditorDescriptionHelp = 602,
  kEditorControlHelp = 603,
  kErrorCodesHelp = 604,
  kRecordTypesHelp = 605,
  kAboutHelp = 606,
  kItemCorrectionHelp = 607,
};

}  // namespace recbook
