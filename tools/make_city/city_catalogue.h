// The shipped cities' descriptions as a source file for the translators' tool: each description
// stands in a QT_TRANSLATE_NOOP of the "cities" context, character for character as the game
// reads it from the city file, so that a catalogue can give the city selection dialog its words
// in another language while the city files stay as they are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gm::citytext {

struct ShippedCity {
  std::string file;         // the city file's name, noted beside its description
  std::string description;  // UTF-8, as decoded from the city file
};

// `text` as a C++ string literal (quotes included): quotes and backslashes escaped, control
// characters as octal escapes, everything else (UTF-8 included) as it stands.
std::string cppLiteral(std::string_view text);

// The whole source file: the descriptions in the order given, each once, in the table that
// shippedCityDescriptions() returns.
std::string catalogueSource(const std::vector<ShippedCity>& cities);

}  // namespace gm::citytext
