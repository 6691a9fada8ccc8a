// The company manager's commands over the stores selected in its store list: the bulk dialogs
// (profit rates, business forms, exchange rates, morning service, promotions, personnel costs,
// manipulations, new-island defaults) opened for all of them at once, and their job stream.
// Nothing happens when no store is selected; after a command the windows that show the stores'
// figures are refreshed where they are shown.
#pragma once

#include "company/store_selection.h"

class QWidget;

namespace gm {

class TMain;

// `command` is one of `CompanyStoreListPage::Command`'s dialogs or its job stream.
void runSelectionCommand(TMain& main, QWidget* parent, int command, const StoreSelection& stores);
// The company manager, the store window and the machine window, each where it is shown.
void afterSelectionOrder(TMain& main);

}  // namespace gm
