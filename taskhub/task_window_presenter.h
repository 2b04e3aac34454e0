#pragma once
// The task window: three tasks, the language switch, the agreement's web page, OK and Cancel. It
// closes with a code: the task (1 to 3) after OK, 100 + task after the language switch, minus the
// task after Cancel or the close box.
#include <string>

#include "bilingual_texts.h"
#include "host.h"
#include "task_window_view.h"

namespace taskhub {

// The agreement's public English index page (the map of its member administrations),
// opened by "&Internet VA".
inline constexpr const char* kAgreementPage = "http://www.hcm-agreement.eu/http/englisch/verwaltung/index_europakarte.htm";

class TaskWindowPresenter {
 public:
  // language: the launcher's flag (0 English, anything else Czech); task: the one to preselect.
  TaskWindowPresenter(TaskWindowView& view, quorla::Host& host, int language, int task, std::string caption);

  void Open();             // texts, flag and the preselected task
  void OnControl(int id);  // a button pressed or the close box (id 2)

 private:
  quorla::Language WindowLanguage() const;
  TaskWindowView& view_;
  quorla::Host& host_;
  const int language_;
  int task_;
  std::string caption_;
};

}  // namespace taskhub
