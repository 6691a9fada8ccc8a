// The language of Qt's own texts: the buttons and labels of its standard dialogs (the file
// dialog's "Look in" and "File name", "OK", "Cancel") follow the game's language instead of
// staying English inside a Japanese game. The catalogue comes from the system's Qt translations.
#pragma once

#include <QString>

class QCoreApplication;

namespace gm {

// Installs Qt's catalogue for `language` ("ja"), replacing the one installed before; "en" (Qt's
// own language) removes it. False when the catalogue cannot be found: Qt then speaks English.
bool applyQtLanguage(QCoreApplication& app, const QString& language);

}  // namespace gm
