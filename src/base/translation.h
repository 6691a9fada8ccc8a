// Every text the core shows a player passes through here, so that a catalogue of another
// language can stand in for the game's own Japanese. Without a catalogue (the core's tests, the
// headless player) a text comes back exactly as written, byte for byte.
//
// Sentences are written whole, with numbered places (%1 .. %9) for the figures and names that
// go into them, because another language orders its words differently: the Japanese result of
// `formatText(translate(...), {...})` is the same text the pieces made before.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace gm {

// Marks a text for the translation tools where it stands in a table and is looked up later
// with `translate(context, text)`; it is the text itself.
#define GM_TR_NOOP(context, text) text

class Catalogue {
 public:
  virtual ~Catalogue() = default;
  // The text in the player's language, or an empty string when the catalogue has none.
  virtual std::string lookup(const char* context, const char* source,
                             const char* disambiguation) const = 0;
};

// The catalogue the program installs; nullptr takes it away. It must outlive its use.
void installCatalogue(const Catalogue* catalogue);
const Catalogue* installedCatalogue();

// The text in the player's language; the source itself when there is no catalogue or no entry.
std::string translate(const char* context, const char* source,
                      const char* disambiguation = nullptr);

// Fills %1 .. %9 with the arguments; a place without its argument, and any other "%", stays as
// written. Places may stand in any order and more than once.
std::string formatText(std::string_view pattern, std::initializer_list<std::string_view> args);

// Whether the installed catalogue speaks Japanese, the language the texts are written in (the
// full-width conversion of typed names and captions belongs to Japanese only).
bool catalogueIsJapanese();
void setCatalogueJapanese(bool japanese);

}  // namespace gm
