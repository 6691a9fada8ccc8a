// Every text of the sources has its translation in every shipped catalogue: lupdate gathers the
// texts afresh from src/ exactly as the maintainers' update does, and each one must be answered
// by the compiled catalogues with the same numbered places as its source. A text added without
// its translation fails here before a player meets it in Japanese.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <memory>
#include <set>
#include <vector>

#include "shell/language.h"

namespace gm {
namespace {

struct SourceText {
  QString context;
  QString source;
  QString disambiguation;
};

// An element's text; lupdate writes a control character such as "\r" as <byte value="xd"/>.
QString elementText(QXmlStreamReader& xml) {
  QString text;
  for (int depth = 1; depth > 0 && !xml.atEnd();) {
    xml.readNext();
    if (xml.isCharacters()) {
      text += xml.text();
    } else if (xml.isStartElement()) {
      ++depth;
      if (xml.name() == QLatin1String("byte"))
        text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toInt(nullptr, 16));
    } else if (xml.isEndElement()) {
      --depth;
    }
  }
  return text;
}

std::vector<SourceText> gatheredTexts(const QString& tsFile) {
  std::vector<SourceText> texts;
  QFile file(tsFile);
  if (!file.open(QIODevice::ReadOnly)) return texts;
  QXmlStreamReader xml(&file);
  QString context;
  SourceText current;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) {
      if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
        current.context = context;
        texts.push_back(current);
      }
      continue;
    }
    if (xml.name() == QLatin1String("name")) context = elementText(xml);
    if (xml.name() == QLatin1String("message")) current = SourceText{};
    if (xml.name() == QLatin1String("source")) current.source = elementText(xml);
    if (xml.name() == QLatin1String("comment")) current.disambiguation = elementText(xml);
  }
  return texts;
}

std::set<QString> placesOf(const QString& text) {
  std::set<QString> places;
  static const QRegularExpression place(QStringLiteral("%[1-9]"));
  for (auto m = place.globalMatch(text); m.hasNext();) places.insert(m.next().captured());
  return places;
}

TEST(TranslationCatalogue, EveryTextOfTheSourcesIsTranslatedWithItsPlaces) {
  QTemporaryDir work;
  const QString ts = work.filePath(QStringLiteral("gathered.ts"));
  QProcess lupdate;
  lupdate.setWorkingDirectory(QStringLiteral(GM_SOURCE_DIR));
  // Without the include folder lupdate cannot see that a class lives in namespace gm, and files
  // its texts under a context that tr() never asks for.
  lupdate.start(
      QStringLiteral(GM_LUPDATE),
      {QStringLiteral("-silent"), QStringLiteral("-I"), QStringLiteral("src"),
       QStringLiteral("-tr-function-alias"), QStringLiteral("QT_TRANSLATE_NOOP+=GM_TR_NOOP"),
       QStringLiteral("-source-language"), QStringLiteral("ja"), QStringLiteral("-locations"),
       QStringLiteral("none"), QStringLiteral("src"), QStringLiteral("-ts"), ts});
  ASSERT_TRUE(lupdate.waitForFinished(120000));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
  const std::vector<SourceText> texts = gatheredTexts(ts);
  ASSERT_GT(texts.size(), 100u) << "lupdate found too few texts";

  const QDir catalogues(QStringLiteral(GM_BUILD_DATA_DIR "/translations"));
  const QStringList languages = catalogues.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  ASSERT_FALSE(languages.isEmpty()) << "no language besides Japanese is built";
  for (const QString& language : languages) {
    std::vector<std::unique_ptr<QTranslator>> loaded;
    const QDir dir(catalogues.filePath(language));
    for (const QString& qm : dir.entryList({QStringLiteral("*.qm")}, QDir::Files)) {
      loaded.push_back(std::make_unique<QTranslator>());
      ASSERT_TRUE(loaded.back()->load(dir.filePath(qm))) << qm.toStdString();
    }
    QStringList missing, misplaced;
    for (const SourceText& t : texts) {
      QString answer;
      const QByteArray context = t.context.toUtf8(), source = t.source.toUtf8(),
                       disambiguation = t.disambiguation.toUtf8();
      for (const auto& catalogue : loaded) {
        answer =
            catalogue->translate(context.constData(), source.constData(),
                                 t.disambiguation.isEmpty() ? nullptr : disambiguation.constData());
        if (!answer.isEmpty()) break;
      }
      if (answer.isEmpty())
        missing << t.context + QStringLiteral(": ") + t.source;
      else if (placesOf(answer) != placesOf(t.source))
        misplaced << t.context + QStringLiteral(": ") + t.source + QStringLiteral(" -> ") + answer;
    }
    EXPECT_TRUE(missing.isEmpty())
        << language.toStdString() << ": " << missing.size() << " texts without a translation:\n  "
        << missing.mid(0, 60).join(QStringLiteral("\n  ")).toStdString();
    EXPECT_TRUE(misplaced.isEmpty()) << language.toStdString() << ": places differ:\n  "
                                     << misplaced.join(QStringLiteral("\n  ")).toStdString();
  }
}

}  // namespace
}  // namespace gm
