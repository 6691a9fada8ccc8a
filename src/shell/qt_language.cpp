// Qt's own texts in the game's language.
#include "shell/qt_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace gm {

bool applyQtLanguage(QCoreApplication& app, const QString& language) {
  // One catalogue at a time, owned by the application so that it lives as long as its texts.
  auto* old = app.findChild<QTranslator*>(QStringLiteral("qtCatalogue"));
  if (old) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  if (language == QLatin1String("en")) return true;
  auto* catalogue = new QTranslator(&app);
  catalogue->setObjectName(QStringLiteral("qtCatalogue"));
  if (!catalogue->load(QStringLiteral("qtbase_") + language,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete catalogue;
    return false;
  }
  QCoreApplication::installTranslator(catalogue);
  return true;
}

}  // namespace gm
