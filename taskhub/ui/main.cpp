// taskhub: the program the user starts. No command-line arguments are used; exit code 0. A new
// user's first start points the map at the installed demo data.
#include <QApplication>

#include "demo_directories.h"
#include "launcher.h"
#include "platform_paths.h"
#include "settings_store.h"
#include "ui/library_entry_points.h"
#include "ui/qt_task_windows.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  taskhub::QtTaskWindows windows;
  taskhub::LibraryEntryPoints libraries;
  quorla::SettingsStore settings;
  taskhub::UseDemoDirectoriesOnFirstStart(settings, quorla::DataDirectory());
  return taskhub::RunLauncher(windows, libraries, settings);
}
