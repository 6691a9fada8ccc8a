// Game text (UTF-8 in the core) into Qt strings.
#pragma once

#include <QString>
#include <string_view>

namespace gm {

inline QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace gm
