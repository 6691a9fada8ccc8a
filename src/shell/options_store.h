// The player's options kept between runs: read at start-up and written at exit under
// "Appkeys/<section>/<key>" of the program's settings. A missing or unreadable value reads as its
// default.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "base/options.h"

class QSettings;

namespace gm {

// The settings store of the program (organisation and application "Gindamaya97").
std::unique_ptr<QSettings> openSettings();

// One option of the table: its section ("option" or "houkoku"), key and field.
struct OptionKey {
  const char* section;
  const char* key;
  bool Options::*flag = nullptr;  // exactly one of flag and number is set
  int Options::*number = nullptr;
};
const std::vector<OptionKey>& optionTable();

Options readOptions(QSettings& settings);
void writeOptions(QSettings& settings, const Options& options);

}  // namespace gm
