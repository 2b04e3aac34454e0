#include "export_host.h"

#include <QApplication>
#include <iostream>

#include "ui/qt_host.h"
#include "stream_host.h"

namespace quorla::geoatlas {
namespace {

// Chooses at each call, so that a QApplication made after the first call is used.
class ChoosingHost : public Host {
 public:
  Answer Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override {
    return Pick().Message(text, title, buttons, icon);
  }
  std::string OpenFileName(const FileDialogRequest& r) override { return Pick().OpenFileName(r); }
  std::string SaveFileName(const FileDialogRequest& r) override { return Pick().SaveFileName(r); }
  std::string ChooseDirectory(std::string_view t, std::string_view s) override { return Pick().ChooseDirectory(t, s); }
  void Beep() override { Pick().Beep(); }
  void SetClipboardText(std::string_view t) override { Pick().SetClipboardText(t); }
  std::string ClipboardText() override { return Pick().ClipboardText(); }
  void SetClipboardPicture(const Picture& p) override { Pick().SetClipboardPicture(p); }
  bool OpenWebPage(std::string_view u) override { return Pick().OpenWebPage(u); }
  LocalTime Now() override { return Pick().Now(); }
  bool SetClock(const LocalTime& t) override { return Pick().SetClock(t); }
  void ProcessEvents() override { Pick().ProcessEvents(); }

 private:
  Host& Pick() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) return qt_;
    return stream_;
  }
  QtHost qt_;
  StreamHost stream_{std::cerr};
};

}  // namespace

Host& ExportHost() {
  static ChoosingHost host;
  return host;
}

}  // namespace quorla::geoatlas
