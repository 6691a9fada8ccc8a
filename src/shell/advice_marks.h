// How the screens mark the advisor's findings: the colour of each severity, shared by the store
// window's page, the company manager's store list and the results report.
#pragma once

#include <QColor>

#include "company/advisor.h"

namespace gm {

inline QColor severityColour(AdviceSeverity severity) {
  switch (severity) {
    case AdviceSeverity::Urgent:
      return QColor(0xc0, 0x00, 0x00);
    case AdviceSeverity::Serious:
      return QColor(0xd0, 0x60, 0x00);
    case AdviceSeverity::Caution:
      return QColor(0x90, 0x78, 0x00);
    case AdviceSeverity::Note:
      break;
  }
  return QColor(0x60, 0x60, 0x60);
}

}  // namespace gm
