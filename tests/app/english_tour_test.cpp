// The program in English: the main window, its menus and the option dialog show no Japanese
// outside the game's names, and the language option offers every language with a catalogue.
// (The management windows and dialogs have tours of their own beside their tests.)
#include <gtest/gtest.h>

#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>

#include "base/translation.h"
#include "english_tour.h"
#include "managed_game.h"
#include "shell/language.h"
#include "shell/main_window.h"
#include "shell/name_dialog.h"
#include "shell/option_dialog.h"

namespace gm {
namespace {

std::string listed(const QStringList& texts) {
  return QStringLiteral("\n  ").append(texts.join(QStringLiteral("\n  "))).toStdString();
}

TEST(EnglishTour, TheMainWindowItsMenusAndTheOptionsSpeakEnglish) {
  test::EnglishScope english;
  ASSERT_TRUE(english.loaded()) << "the build has no English catalogue";
  TMain main;
  main.options().defopen = false;
  main.replaceWorld(test::managedGame(1));
  main.beginPlay();
  const QStringList names = test::namesOf(main.world());
  const QStringList left = test::untranslatedTexts(&main, names);
  EXPECT_TRUE(left.isEmpty()) << left.size() << " texts in Japanese:" << listed(left);

  // The language's label stays in both languages and each language is named in its own words,
  // so that a player who cannot read the one shown still finds his own.
  QStringList optionNames = names;
  optionNames << QStringLiteral("言語 / Language");
  for (const QString& code : availableLanguages()) optionNames << languageName(code);
  Toptionform options(main.options());
  const QStringList optionsLeft = test::untranslatedTexts(&options, optionNames);
  EXPECT_TRUE(optionsLeft.isEmpty())
      << optionsLeft.size() << " texts in Japanese:" << listed(optionsLeft);
}

TEST(Language, TheOptionOffersEveryLanguageWithACatalogueAndEachInItsOwnWords) {
  const QStringList offered = availableLanguages();
  ASSERT_GE(offered.size(), 2);
  EXPECT_EQ(offered.first(), QStringLiteral("ja")) << "the game's own language comes first";
  EXPECT_TRUE(offered.contains(QStringLiteral("en")));
  EXPECT_EQ(languageName(QStringLiteral("ja")), QStringLiteral("日本語"));
  EXPECT_EQ(languageName(QStringLiteral("en")), QStringLiteral("English"));

  Toptionform dialog(Options{});
  EXPECT_EQ(dialog.languageBox()->count(), offered.size());
  EXPECT_EQ(dialog.language(), currentLanguage()) << "the dialog opens on the language in use";
}

TEST(Language, AStoredChoiceHoldsOnlyWhileItsCatalogueIsThere) {
  QTemporaryDir dir;
  QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
  storeLanguage(settings, QStringLiteral("en"));
  EXPECT_EQ(chosenLanguage(settings), QStringLiteral("en"));
  storeLanguage(settings, QStringLiteral("ja"));
  EXPECT_EQ(chosenLanguage(settings), QStringLiteral("ja"));
  // A language whose catalogue went away falls back to the desktop's, which is one we have.
  storeLanguage(settings, QStringLiteral("xx"));
  EXPECT_TRUE(availableLanguages().contains(chosenLanguage(settings)));
}

TEST(Language, EnglishReachesTheCoreAndJapaneseComesBackWhole) {
  {
    test::EnglishScope english;
    ASSERT_TRUE(english.loaded());
    EXPECT_EQ(currentLanguage(), QStringLiteral("en"));
    EXPECT_FALSE(catalogueIsJapanese());
    EXPECT_EQ(defaultStoreName(1), "Parlour No. 1");
  }
  EXPECT_EQ(currentLanguage(), QStringLiteral("ja"));
  EXPECT_TRUE(catalogueIsJapanese());
  EXPECT_EQ(translate("hiring", "資金が足りません。"), "資金が足りません。");
  EXPECT_EQ(defaultStoreName(1), "パーラー１号店") << "the program's own texts come back too";
}

}  // namespace
}  // namespace gm
