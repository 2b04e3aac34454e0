#include "utilities/clock_dialog_presenter.h"

#include <cstdio>

#include "utilities/clock_setting.h"
#include "utilities/clock_texts.h"

namespace recbook {
namespace {

namespace ct = clock_texts;

constexpr InputRule kDateRule{RuleKind::Date};
constexpr InputRule kTimeRule{RuleKind::Time};
constexpr size_t kDateLength = 10;  // "DD-MM-YYYY"
constexpr size_t kTimeLength = 5;   // "HH:MM"

}  // namespace

ClockDialogPresenter::ClockDialogPresenter(quorla::Host& host, ClockDialogView& view, quorla::Language language,
                                           std::string caption)
    : host_(host), view_(view), language_(language), caption_(std::move(caption)) {}

std::string ClockDialogPresenter::Title() const { return caption_ + std::string(ct::kTitle(language_)); }

std::string ClockDialogPresenter::ErrorTitle() const { return caption_ + std::string(ct::kErrorTitle(language_)); }

void ClockDialogPresenter::Start() {
  const quorla::LocalTime now = host_.Now();
  char date[16], time[8];
  std::snprintf(date, sizeof date, "%02d-%02d-%04d", now.day % 100, now.month % 100, now.year % 10000);
  std::snprintf(time, sizeof time, "%02d:%02d", now.hour % 100, now.minute % 100);
  date_ = date;
  time_ = time;
  view_.ShowTexts(date_, time_);
}

RuledText ClockDialogPresenter::Typed(ClockBox box, std::string_view text, int caret) {
  const bool isDate = box == ClockBox::Date;
  RuledText r = ApplyInputRule(isDate ? kDateRule : kTimeRule, text, caret);
  (isDate ? date_ : time_) = r.text;
  return r;
}

void ClockDialogPresenter::Refuse(ClockBox box, const quorla::BiText& start, const std::string& value) {
  host_.Message(std::string(start(language_)) + value + std::string(ct::kNoSuchValueEnd(language_)), ErrorTitle(),
                quorla::Buttons::Ok, quorla::Icon::Error);
  view_.FocusBox(box);
}

void ClockDialogPresenter::Ok() {
  if (date_.size() < kDateLength) {
    host_.Beep();
    return view_.FocusBox(ClockBox::Date);
  }
  if (time_.size() < kTimeLength) {
    host_.Beep();
    return view_.FocusBox(ClockBox::Time);
  }
  const ClockSetting setting = ReadClockSetting(date_, time_);
  if (setting.fault == ClockFault::Date) return Refuse(ClockBox::Date, ct::kNoSuchDate, date_);
  if (setting.fault == ClockFault::Time) return Refuse(ClockBox::Time, ct::kNoSuchTime, time_);
  if (!host_.SetClock(setting.time)) {
    // Nothing the user can type changes the right to set the clock: the dialog ends unchanged.
    host_.Message(ct::kClockRefused(language_), ErrorTitle(), quorla::Buttons::Ok, quorla::Icon::Error);
    return view_.Close(false);
  }
  view_.Close(true);
}

}  // namespace recbook
