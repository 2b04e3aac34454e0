#pragma once
// Answers the next file dialog with a path, for the window tests and the window benchmark. The
// dialog's model fills in the background; accept is repeated until the dialog takes it.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <string>

namespace recbook::testing {

inline void ChooseFile(const std::string& path, int intervalMs = 20) {
  auto* timer = new QTimer;
  timer->setInterval(intervalMs);
  QObject::connect(timer, &QTimer::timeout, [timer, path] {
    auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!d) return;
    if (auto* name = d->findChild<QLineEdit*>("fileNameEdit")) name->setText(QString::fromStdString(path));
    QMetaObject::invokeMethod(d, "accept");
    if (d->isVisible()) return;
    timer->stop();
    timer->deleteLater();
  });
  timer->start();
}

}  // namespace recbook::testing
