#pragma once
// Answers the next modal window of a type once it is shown, for the widget tests: a timer looks
// for it while the window's own event loop runs.
#include <QApplication>
#include <QTimer>
#include <functional>

namespace quorla::ui::testing {

template <class W>
void WhenModal(std::function<void(W*)> answer) {
  auto* timer = new QTimer;
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    W* w = qobject_cast<W*>(QApplication::activeModalWidget());
    if (!w) return;
    timer->stop();
    timer->deleteLater();
    answer(w);
  });
  timer->start();
}

}  // namespace quorla::ui::testing
