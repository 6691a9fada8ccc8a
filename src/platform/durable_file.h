// Writing a file so that it is either the old one or the new one, whatever happens meanwhile: the
// one place where the game core needs the operating system (no standard call reaches the disk),
// kept apart from the core so that the core includes no platform header.
#pragma once

#include <string>
#include <string_view>

namespace gm::platform {

// Writes `bytes` to a temporary file of its own beside `path` (a name no other writer uses,
// created only if it does not exist), flushes it to the disk, and renames it over `path`. On a
// failure nothing is left behind, `path` is as it was, and `reason` says what failed.
bool ReplaceFileDurably(const std::string& path, std::string_view bytes, std::string& reason);

}  // namespace gm::platform
