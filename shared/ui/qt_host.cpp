#include "ui/qt_host.h"

#include <sys/time.h>

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <ctime>

#include "ui/qt_text.h"

namespace quorla {
namespace {

using ui::Q;
using ui::S;

QMessageBox::StandardButtons ToQt(Buttons b) {
  switch (b) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon ToQt(Icon i) {
  switch (i) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

Answer FromQt(int button, Buttons b) {
  switch (button) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Abort: return Answer::Abort;
    case QMessageBox::Ignore: return Answer::Ignore;
    case QMessageBox::Cancel: return Answer::Cancel;
  }
  // Closed by the window's close box: the answer that changes nothing.
  if (b == Buttons::YesNo) return Answer::No;
  if (b == Buttons::Ok) return Answer::Ok;
  if (b == Buttons::AbortRetryIgnore) return Answer::Abort;
  return Answer::Cancel;
}

void Configure(QFileDialog& d, const FileDialogRequest& r) {
  d.setWindowTitle(Q(r.title));
  d.setNameFilter(QtFilterText(r.filter));
  if (!r.directory.empty() && QDir(Q(r.directory)).exists()) d.setDirectory(Q(r.directory));
  if (!r.fileName.empty()) d.selectFile(Q(r.fileName));
  d.setOption(QFileDialog::DontUseNativeDialog, true);
  d.setOption(QFileDialog::DontConfirmOverwrite, !r.overwritePrompt);
}

}  // namespace

QString QtFilterText(const std::string& filter) {
  const QStringList parts = Q(filter).split('|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    // A description that shows its patterns in brackets already gets the dialog's own patterns
    // there, once; any other gets them appended.
    QString described = parts[i].trimmed();
    const qsizetype open = described.lastIndexOf('(');
    if (described.endsWith(')') && open >= 0)
      described.truncate(open);
    else
      described += ' ';
    out << described + "(" + patterns + ")";
  }
  return out.join(";;");
}

Answer QtHost::Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
  QString t = Q(text);
  t.replace("\r\n", "\n");
  QMessageBox box(ToQt(icon), Q(title), t, ToQt(buttons), parent_);
  box.setTextFormat(Qt::PlainText);
  // The texts carry their own line breaks: the box is made wide enough for the longest line (up
  // to the screen), so that the box adds no breaks of its own.
  if (auto* label = box.findChild<QLabel*>("qt_msgbox_label")) {
    const int longest = QFontMetrics(label->font()).boundingRect(QRect(), Qt::TextExpandTabs, t).width() + 4;
    const QScreen* screen = parent_ ? parent_->screen() : QGuiApplication::primaryScreen();
    label->setMinimumWidth(std::min(longest, screen ? screen->availableGeometry().width() - 120 : longest));
  }
  box.setWindowModality(Qt::ApplicationModal);
  return FromQt(box.exec(), buttons);
}

std::string QtHost::OpenFileName(const FileDialogRequest& request) {
  QFileDialog d(parent_);
  Configure(d, request);
  d.setAcceptMode(QFileDialog::AcceptOpen);
  d.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
  return S(d.selectedFiles().first());
}

std::string QtHost::SaveFileName(const FileDialogRequest& request) {
  QFileDialog d(parent_);
  Configure(d, request);
  d.setAcceptMode(QFileDialog::AcceptSave);
  d.setFileMode(QFileDialog::AnyFile);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
  return S(d.selectedFiles().first());
}

std::string QtHost::ChooseDirectory(std::string_view title, std::string_view start) {
  return S(QFileDialog::getExistingDirectory(parent_, Q(title), Q(start), QFileDialog::DontUseNativeDialog));
}

void QtHost::Beep() { QApplication::beep(); }

void QtHost::SetClipboardText(std::string_view text) { QGuiApplication::clipboard()->setText(Q(text)); }

std::string QtHost::ClipboardText() { return S(QGuiApplication::clipboard()->text()); }

void QtHost::SetClipboardPicture(const Picture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_ARGB32);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      image.setPixel(x, y, picture.pixels[static_cast<size_t>(y) * picture.width + x]);
  QGuiApplication::clipboard()->setImage(image);
}

bool QtHost::OpenWebPage(std::string_view url) { return QDesktopServices::openUrl(QUrl(Q(url))); }

LocalTime QtHost::Now() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

bool QtHost::SetClock(const LocalTime& time) {
  std::tm tm{};
  tm.tm_year = time.year - 1900;
  tm.tm_mon = time.month - 1;
  tm.tm_mday = time.day;
  tm.tm_hour = time.hour;
  tm.tm_min = time.minute;
  tm.tm_sec = time.second;
  tm.tm_isdst = -1;
  const std::time_t t = std::mktime(&tm);
  // A time the calendar has not (rolled over into the next month) or cannot hold is refused,
  // never set as another one.
  if (t == static_cast<std::time_t>(-1) || tm.tm_mday != time.day || tm.tm_mon != time.month - 1 ||
      tm.tm_year != time.year - 1900)
    return false;
  const timeval tv{t, 0};
  return ::settimeofday(&tv, nullptr) == 0;
}

void QtHost::ProcessEvents() { QApplication::processEvents(); }

}  // namespace quorla
