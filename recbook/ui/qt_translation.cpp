#include "ui/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace recbook::ui {

QtTranslation::QtTranslation(quorla::Language language) {
  if (language != quorla::Language::Czech || !QCoreApplication::instance()) return;
  if (!translator_.load(QLocale(QLocale::Czech), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return;
  installed_ = QCoreApplication::installTranslator(&translator_);
}

QtTranslation::~QtTranslation() {
  if (installed_ && QCoreApplication::instance()) QCoreApplication::removeTranslator(&translator_);
}

}  // namespace recbook::ui
