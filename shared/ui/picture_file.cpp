#include "ui/picture_file.h"

#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "ui/qt_drawing_surface.h"

namespace quorla::ui {

bool DrawPictureFile(int width, int height, const std::function<void(DrawingSurface&)>& draw, const std::string& path) {
  std::unique_ptr<QGuiApplication> own;
  QtMessageHandler previous = nullptr;
  if (!QCoreApplication::instance()) {
    // The platform's start-up notes (runtime folder, fonts) mean nothing to a command-line user.
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
    });
    static int argc = 3;
    static char name[] = "vatool", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    own = std::make_unique<QGuiApplication>(argc, argv);
  } else if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    return false;  // fonts need a GUI application
  }
  QtDrawingSurface surface(width, height);
  draw(surface);
  const bool saved = surface.SaveToFile(path);
  if (own) qInstallMessageHandler(previous);
  return saved;
}

}  // namespace quorla::ui
