#include "ui/qt_task_windows.h"

#include "task_window_presenter.h"
#include "ui/qt_host.h"
#include "ui/task_window.h"

namespace taskhub {

int QtTaskWindows::Run(int language, int task) {
  TaskWindow window;
  quorla::QtHost host(&window);
  TaskWindowPresenter presenter(window, host, language, task, kCaption);
  window.SetPresenter(&presenter);
  presenter.Open();
  return window.exec();
}

}  // namespace taskhub
