// The English tour's tools: the program switched to English for one test, every text a player
// can read in a window gathered, and those that still hold Japanese outside the game's names
// listed (company, president, city, store, maker, model and rival names stay as they are).
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace gm {
class tworld;
}

namespace gm::test {

// English from construction (Qt's texts, the program's and the core's), Japanese again after.
class EnglishScope {
 public:
  EnglishScope();
  ~EnglishScope();
  EnglishScope(const EnglishScope&) = delete;
  EnglishScope& operator=(const EnglishScope&) = delete;
  // False when the build has no English catalogue to load.
  bool loaded() const { return loaded_; }

 private:
  bool loaded_ = false;
};

// The names in a game that stay as they are in every language, longest first.
QStringList namesOf(tworld& world);

// Every text a player can read in the window and its children, shown or not yet shown (window
// titles, labels, buttons, group titles, tabs, list, tree and table items and headers, combo
// items, menus and their actions, tooltips, what a typing box types), each as "where | text".
QStringList readableTexts(QWidget* window);

// Of readableTexts(window), those that still hold Japanese once the names are taken out.
QStringList untranslatedTexts(QWidget* window, const QStringList& names);

// On a laptop's screen of 1366 x 768 less a title bar: the window fits there at its smallest,
// takes the size it would have there, and shows every button it has inside that size and at least
// at its smallest width. With `folder` set, the window at that size is taken as a picture there.
void expectFitsALaptop(QWidget* window, const QString& name, const QString& folder);

// True when the text holds a Japanese character (kana, kanji, full-width forms, Japanese
// punctuation).
bool holdsJapanese(const QString& text);

}  // namespace gm::test
