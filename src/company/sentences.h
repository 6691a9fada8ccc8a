// Sentences set one after another. Japanese runs them together; the other languages part them
// with a space, so a text that grows sentence by sentence reads right in both.
#pragma once

#include <string>
#include <string_view>

#include "base/translation.h"

namespace gm {

inline void appendSentence(std::string& text, std::string_view sentence) {
  if (!text.empty() && !sentence.empty() && !catalogueIsJapanese()) text += ' ';
  text += sentence;
}

}  // namespace gm
