// The core's window on the program's translations (see catalogue.h).
#include "base/translation.h"

namespace gm {

namespace {
const Catalogue* gCatalogue = nullptr;
bool gJapanese = true;
}  // namespace

void installCatalogue(const Catalogue* catalogue) { gCatalogue = catalogue; }

const Catalogue* installedCatalogue() { return gCatalogue; }

std::string translate(const char* context, const char* source, const char* disambiguation) {
  if (gCatalogue != nullptr) {
    std::string text = gCatalogue->lookup(context, source, disambiguation);
    if (!text.empty()) return text;
  }
  return source;
}

std::string formatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size() + 16 * args.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size()) {
      const char next = pattern[i + 1];
      if (next >= '1' && next <= '9') {
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (index < args.size()) {
          out += *(args.begin() + index);
          ++i;
          continue;
        }
      }
    }
    out += c;
  }
  return out;
}

bool catalogueIsJapanese() { return gJapanese; }

void setCatalogueJapanese(bool japanese) { gJapanese = japanese; }

}  // namespace gm
