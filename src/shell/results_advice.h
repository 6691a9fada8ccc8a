// The advisor's word in the monthly results report: one line for the company and one for each
// store in use, while the report option `shindanhoukoku` is on.
#pragma once

#include <QString>
#include <vector>

#include "company/advisor.h"

class QListWidget;

namespace gm {

class tworld;

// "全体：..." and "store name：...", each with the severity that colours it.
struct AdviceLine {
  QString text;
  AdviceSeverity severity = AdviceSeverity::Note;
};
std::vector<AdviceLine> adviceLines(const tworld& world);

// Fills the list with the lines and shows it while the option is on; hides it otherwise.
void showAdviceLines(QListWidget* list, const tworld& world);

}  // namespace gm
