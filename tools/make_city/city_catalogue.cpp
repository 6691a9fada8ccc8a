// Writing the shipped cities' descriptions as a source file for the translators' tool.
#include "city_catalogue.h"

#include <algorithm>
#include <cstdio>

namespace gm::citytext {

std::string cppLiteral(std::string_view text) {
  std::string out = "\"";
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (byte < 0x20 || byte == 0x7F) {
      // Octal escapes stop after three digits, so a digit that follows cannot join them.
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\%03o", byte);
      out += escape;
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

std::string catalogueSource(const std::vector<ShippedCity>& cities) {
  std::string out =
      "// The descriptions of the cities that ship with the game, character for character as the\n"
      "// game reads them from their city files: the translators' tool finds them here, and the\n"
      "// city selection dialog asks the catalogue for them in the player's language.\n"
      "// Made by tools/make_city (make_city --texts); rebuild it after changing a shipped city.\n"
      "#include \"shell/shipped_city_texts.h\"\n"
      "\n"
      "#include <QtGlobal>\n"
      "\n"
      "namespace gm {\n"
      "\n"
      "namespace {\n"
      "\n"
      "// clang-format off\n"
      "const char* const kDescriptions[] = {\n";
  std::vector<std::string> seen;
  for (const ShippedCity& c : cities) {
    if (std::find(seen.begin(), seen.end(), c.description) != seen.end()) continue;
    seen.push_back(c.description);
    out += "    // " + c.file + "\n";
    out += "    QT_TRANSLATE_NOOP(\"cities\", " + cppLiteral(c.description) + "),\n";
  }
  out +=
      "};\n"
      "// clang-format on\n"
      "\n"
      "}  // namespace\n"
      "\n"
      "std::span<const char* const> shippedCityDescriptions() { return kDescriptions; }\n"
      "\n"
      "}  // namespace gm\n";
  return out;
}

}  // namespace gm::citytext
