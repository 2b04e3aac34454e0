// taskhub: the program the user starts. No command-line arguments are used; exit code 0.
#include <QApplication>

#include "launcher.h"
#include "settings_store.h"
#include "ui/library_entry_points.h"
#include "ui/qt_task_windows.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  taskhub::QtTaskWindows windows;
  taskhub::LibraryEntryPoints libraries;
  quorla::SettingsStore settings;
  return taskhub::RunLauncher(windows, libraries, settings);
}
