#pragma once
// The date and time dialog of the Utilities menu (505) without its widgets: the boxes filled with
// the computer's date and time, their typing rules, and "&OK", which checks the lengths (a beep
// and the box again), refuses a date or time that does not exist and sets the clock through the
// Host, telling the user when the platform refuses. Qt-free: the dialog is a ClockDialogView.
#include <string>
#include <string_view>

#include "bilingual_texts.h"
#include "forms/input_rules.h"
#include "host.h"
#include "utilities/clock_dialog_view.h"

namespace recbook {

class ClockDialogPresenter {
 public:
  ClockDialogPresenter(quorla::Host& host, ClockDialogView& view, quorla::Language language, std::string caption);

  std::string Title() const;
  quorla::Language language() const { return language_; }

  // Fills the boxes: today's date "DD-MM-YYYY" and the time "HH:MM" (seconds dropped).
  void Start();
  // The box's text after the user's change and the caret after it: the text the box shows.
  RuledText Typed(ClockBox box, std::string_view text, int caret);
  // "&OK": checks, sets the clock and closes; the dialog stays open after a fault in a box.
  void Ok();
  // "&Cancel" and Escape: closes without change.
  void Cancel() { view_.Close(false); }

  const std::string& date() const { return date_; }
  const std::string& time() const { return time_; }

 private:
  // Tells that the box's value does not exist and gives the box the keyboard again.
  void Refuse(ClockBox box, const quorla::BiText& start, const std::string& value);
  std::string ErrorTitle() const;

  quorla::Host& host_;
  ClockDialogView& view_;
  quorla::Language language_;
  std::string caption_;
  std::string date_, time_;
};

}  // namespace recbook
