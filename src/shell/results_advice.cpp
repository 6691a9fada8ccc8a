// The results report's advice lines.
#include "shell/results_advice.h"

#include <QCoreApplication>
#include <QListWidget>

#include "company/advice_text.h"
#include "shell/advice_marks.h"
#include "shell/qt_text.h"
#include "world/world.h"

namespace gm {

std::vector<AdviceLine> adviceLines(const tworld& world) {
  std::vector<AdviceLine> lines;
  const AdviceList company = DiagnoseCompany(world);
  lines.push_back({QCoreApplication::translate("results_advice", "全体：%1")
                       .arg(qs(adviceSummary(world, company))),
                   company.worst()});
  for (int n = 1; n <= kStoreSlots; ++n) {
    if (!world.kaichou.slot(n).used) continue;
    const AdviceList store = DiagnoseStore(world, n);
    lines.push_back(
        {QCoreApplication::translate("results_advice", "%1：%2")
             .arg(qs(world.kaichou.slot(n).name.view()), qs(adviceSummary(world, store))),
         store.worst()});
  }
  return lines;
}

void showAdviceLines(QListWidget* list, const tworld& world) {
  list->clear();
  const bool shown = world.options().shindanhoukoku;
  list->setVisible(shown);
  if (!shown) return;
  for (const AdviceLine& line : adviceLines(world)) {
    auto* item = new QListWidgetItem(line.text, list);
    if (line.severity >= AdviceSeverity::Caution)
      item->setForeground(severityColour(line.severity));
  }
}

}  // namespace gm
