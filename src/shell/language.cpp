// Loading the catalogues of the player's language for Qt, the program and the game core.
#include "shell/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "base/translation.h"
#include "shell/data_folder.h"
#include "shell/qt_language.h"

namespace gm {

namespace {

const QString kSettingKey = QStringLiteral("Appkeys/option/language");
const char* const kCatalogueName = "gameCatalogue";

QString catalogueFolder(const QString& code) {
  return dataPath(QStringLiteral("translations/") + code);
}

QStringList cataloguesOf(const QString& code) {
  QStringList files;
  const QDir dir(catalogueFolder(code));
  for (const QString& name : dir.entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
    files << dir.filePath(name);
  return files;
}

// The game core asks Qt's translators, the same ones the windows use.
class QtCatalogue : public Catalogue {
 public:
  std::string lookup(const char* context, const char* source,
                     const char* disambiguation) const override {
    const QString text = QCoreApplication::translate(context, source, disambiguation);
    return text.toStdString();
  }
};

QtCatalogue gQtCatalogue;
QString gCurrent = QString::fromLatin1(kGameLanguage);

}  // namespace

QStringList availableLanguages() {
  QStringList codes{QString::fromLatin1(kGameLanguage)};
  const QDir dir(dataPath(QStringLiteral("translations")));
  for (const QString& code : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
    if (code != QLatin1String(kGameLanguage) && !cataloguesOf(code).isEmpty()) codes << code;
  return codes;
}

QString languageName(const QString& code) {
  const QString name = QLocale(code).nativeLanguageName();
  if (name.isEmpty()) return code;
  // Qt names English "American English"; the chooser offers one English.
  if (code == QLatin1String("en")) return QStringLiteral("English");
  return name;
}

QString chosenLanguage(QSettings& settings) {
  const QStringList offered = availableLanguages();
  const QString stored = settings.value(kSettingKey).toString();
  if (offered.contains(stored)) return stored;
  const QLocale desktop = QLocale::system();
  if (desktop.language() == QLocale::Japanese) return QString::fromLatin1(kGameLanguage);
  const QString code = QLocale::languageToCode(desktop.language());
  if (offered.contains(code)) return code;
  return offered.contains(QStringLiteral("en")) ? QStringLiteral("en")
                                                : QString::fromLatin1(kGameLanguage);
}

void storeLanguage(QSettings& settings, const QString& code) {
  settings.setValue(kSettingKey, code);
}

void applyLanguage(QCoreApplication& app, const QString& code) {
  for (QTranslator* old : app.findChildren<QTranslator*>(QString::fromLatin1(kCatalogueName))) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  QString language = QString::fromLatin1(kGameLanguage);
  if (code != language) {
    for (const QString& file : cataloguesOf(code)) {
      auto* catalogue = new QTranslator(&app);
      catalogue->setObjectName(QString::fromLatin1(kCatalogueName));
      if (catalogue->load(file))
        QCoreApplication::installTranslator(catalogue);
      else
        delete catalogue;
    }
    if (!app.findChildren<QTranslator*>(QString::fromLatin1(kCatalogueName)).isEmpty())
      language = code;
  }
  applyQtLanguage(app, language);
  const bool japanese = language == QLatin1String(kGameLanguage);
  installCatalogue(japanese ? nullptr : &gQtCatalogue);
  setCatalogueJapanese(japanese);
  gCurrent = language;
}

QString currentLanguage() { return gCurrent; }

QString helpFolder() {
  const QString own = dataPath(QStringLiteral("help"));
  if (gCurrent == QLatin1String(kGameLanguage)) return own;
  const QString translated = own + QLatin1Char('/') + gCurrent;
  return QDir(translated).exists() ? translated : own;
}

}  // namespace gm
