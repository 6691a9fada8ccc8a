// The player's language. Japanese is the game's own: its texts are written in the code and
// need no catalogue. Any other language is offered as soon as the data folder's
// translations/<code>/ holds a compiled catalogue, so a new language needs no change here.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QSettings;

namespace gm {

inline constexpr const char* kGameLanguage = "ja";

// "ja" first, then every language with a catalogue in the data folder, by code.
QStringList availableLanguages();
// A language's name in that language ("日本語", "English"), as a chooser lists it.
QString languageName(const QString& code);

// The stored choice ("Appkeys/option/language"); on a first run, the desktop's language when
// the game has it, Japanese for a Japanese desktop and English for any other.
QString chosenLanguage(QSettings& settings);
void storeLanguage(QSettings& settings, const QString& code);

// Speaks `code` from now on: Qt's own texts, the program's and the game core's. A language
// without catalogues falls back to Japanese. Windows made before keep their texts, so the
// program applies the language before it makes its first window.
void applyLanguage(QCoreApplication& app, const QString& code);
// The language applied last ("ja" before any).
QString currentLanguage();
// The help pages in the current language: the data folder's help/<code>/ when it exists,
// else the game's own help/.
QString helpFolder();

}  // namespace gm
