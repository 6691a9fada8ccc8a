// The port's Qt implementation.
#include "shell/qt_frontend.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/ending_window.h"
#include "shell/main_window.h"
#include "shell/map_view.h"
#include "shell/message_dialog.h"
#include "shell/name_dialog.h"
#include "shell/picture_book.h"
#include "shell/qt_text.h"
#include "shell/sound_player.h"
#include "shell/sub_windows.h"
#include "shell/wait_window.h"
#include "world/world.h"

namespace gm {

const Options& QtFrontend::options() const { return main_.options(); }

bool QtFrontend::message(std::string_view title, std::string_view body, bool showCash, bool confirm,
                         int face) {
  return main_.messageDialog().ShowMessageDialog(qs(title), qs(body), showCash, confirm, face);
}

void QtFrontend::playCue(int cue) { main_.sound().play(cue); }
void QtFrontend::stopMusic() { main_.sound().stop(); }
void QtFrontend::setMainCueAllowed(bool allowed) { main_.sound().setMainCueAllowed(allowed); }

void QtFrontend::waitBegin(std::string_view cityName, int month) {
  main_.waitWindow().Begin(qs(cityName), month, &main_);
}
void QtFrontend::waitStep() { main_.waitWindow().Step(); }
void QtFrontend::waitEnd() { main_.waitWindow().End(); }

void QtFrontend::processEvents() { QCoreApplication::processEvents(); }

void QtFrontend::blockChanged(int row, int column) { main_.map().updateBlock(row, column); }

void QtFrontend::cashChanged() {
  // While the month is processed the main window is disabled and the caption waits for the
  // month end's own refresh.
  if (main_.isEnabled()) main_.updateCaption();
}

void QtFrontend::cityChanged() {
  main_.map().viewport()->update();
  const SubWindows& w = main_.subWindows();
  for (DataWindow* d :
       {static_cast<DataWindow*>(w.kaishaform), static_cast<DataWindow*>(w.chikudata),
        static_cast<DataWindow*>(w.allmap), static_cast<DataWindow*>(w.chipform)})
    if (d && d->isVisible()) d->refresh();
}

void QtFrontend::pointBlockWindowAt(int row, int column) { main_.centreOn(column, row); }

std::optional<std::string> QtFrontend::askStoreName(std::string_view proposed) {
  Tnameform dialog(&main_.options());
  // A new hall comes with a name the player may keep, so that naming it needs no typing.
  if (proposed.empty())
    return dialog.AskName(defaultStoreName(main_.world().kaichou.TempoKazu().used + 1));
  return dialog.AskName(proposed);
}

std::optional<int64_t> QtFrontend::askSalePrice(int landPrice) {
  if (salePriceAsker_) return salePriceAsker_(landPrice);
  QInputDialog dialog;
  dialog.setWindowTitle(QCoreApplication::translate("qt_frontend", "売却金額"));
  dialog.setLabelText(QCoreApplication::translate("qt_frontend", "売却金額(千円)"));
  dialog.setInputMode(QInputDialog::IntInput);
  dialog.setIntRange(0, 2000000000);
  dialog.setIntValue(landPrice);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.intValue();
}

void QtFrontend::showNewModel(const NewModelNotice& notice) {
  if (main_.subWindows().sindaiform) main_.subWindows().sindaiform->showNotice(notice);
}

void QtFrontend::showResultsReport(int month) {
  if (Tjissekiform* report = main_.subWindows().jissekiform)
    report->showReport(month, qs(main_.world().kaichou.kaishaname.view()), main_.world().laws);
}

void QtFrontend::showResearch() { main_.runResearch(); }

void QtFrontend::showEnding(std::string_view body) {
  showEndingWindow(&main_, qs(body), main_.pictures(), main_.sound(), main_.options().waittime);
}

void QtFrontend::gameShutDown() {
  main_.hideDataWindows();
  // Every item first, then the game items off: only new game, load, options, quit, help and
  // version stay usable. The map keeps the last month's city but takes no input.
  main_.setMonthProcessing(false);
  main_.setGameMenusEnabled(false);
  main_.map().setEnabled(false);
}

void QtFrontend::offerGraduates(const GraduateOffer& offer) {
  if (Tidouform* personnel = main_.subWindows().idouform) personnel->takeInGraduates(offer);
}

std::optional<int64_t> QtFrontend::askDonation(Money cash) {
  if (!donationAsker_) return Frontend::askDonation(cash);
  return donationAsker_(cash);
}

int QtFrontend::askSeminarCourse(const SeminarOffer& offer) {
  if (!seminarAsker_) return Frontend::askSeminarCourse(offer);
  return seminarAsker_(offer);
}

void QtFrontend::negotiationBegin(int row, int column, int64_t askingPrice) {
  if (negotiationScreen_) negotiationScreen_->begin(row, column, askingPrice);
}

std::optional<int64_t> QtFrontend::askPurchaseOffer(std::string_view title, int64_t landPrice,
                                                    Money cash) {
  if (!negotiationScreen_) return std::nullopt;
  return negotiationScreen_->askOffer(title, landPrice, cash);
}

void QtFrontend::ownerSays(int face, std::string_view text) {
  if (negotiationScreen_) negotiationScreen_->ownerSays(face, text);
}

void QtFrontend::presidentSays(int face, std::string_view text) {
  if (negotiationScreen_) negotiationScreen_->presidentSays(face, text);
}

void QtFrontend::negotiationPause(int milliseconds) {
  if (negotiationScreen_) negotiationScreen_->pause(milliseconds);
}

void QtFrontend::negotiationEnd(bool bought) {
  if (negotiationScreen_) negotiationScreen_->end(bought);
}

void QtFrontend::companyChanged() {
  if (Tkaishaform* company = main_.subWindows().kaishaform)
    if (company->isVisible()) company->refresh();
}

}  // namespace gm
