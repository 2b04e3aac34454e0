#pragma once
// The record form's boxes as texts: a station record shown item by item as the form shows it, the
// new-record defaults, and the entered values the record is built from.
#include <array>
#include <string>

#include "forms/form_boxes.h"
#include "host.h"
#include "records/record_builder.h"
#include "records/station_record.h"

namespace recbook {

// Box texts by id - 11, single-byte.
using RecordBoxTexts = std::array<std::string, kRecordBoxCount>;

// Frequencies in MHz with five decimals, dates "DD-MM-YYYY", co-ordinates in their display form,
// masked numbers as stored, texts without their trailing blanks; a blank item is an empty box.
RecordBoxTexts BoxTextsOf(const StationRecord& record);
// The defaults of a new record (and of "Clear record data"); [2W] is today.
RecordBoxTexts NewRecordBoxTexts(const quorla::LocalTime& today);
StationValues StationValuesOf(const RecordBoxTexts& texts);

inline std::string& BoxText(RecordBoxTexts& texts, int box) { return texts[static_cast<size_t>(box - kFirstBox)]; }
inline const std::string& BoxText(const RecordBoxTexts& texts, int box) {
  return texts[static_cast<size_t>(box - kFirstBox)];
}

}  // namespace recbook
