// The bare frames of the start-up windows.
#include "shell/sub_windows.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "shell/form_placement.h"
#include "shell/main_window.h"
#include "shell/options_store.h"
#include "shell/picture_book.h"
#include "shell/placement_rules.h"
#include "shell/qt_text.h"
#include "world/world.h"

namespace gm {

DataWindow::DataWindow(TMain& main, const QString& caption, const QString& formName,
                       bool Options::*stayOnTop)
    : QDialog(nullptr), main_(main), stayOnTop_(stayOnTop) {
  // The windows float freely beside the main window, as separate windows of the program; they
  // must not keep the program alive once the main window has closed.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::WindowMinimizeButtonHint);
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(caption);
  setObjectName(formName);
  placement_ = new FormPlacement(this, formName);
  placement_->setFirstPlace([this](QSize frame) { return placeBesideMainWindow(frame); });
  summary_ = new QLabel(this);
  summary_->setMinimumWidth(240);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
}

DataWindow::~DataWindow() = default;

tworld& DataWindow::world() const { return main_.world(); }

std::vector<QRect> DataWindow::otherWindows() const {
  std::vector<QRect> taken;
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (w != this && w != &main_ && w->isVisible() && !w->isMinimized() &&
        (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog))
      taken.push_back(frameOf(w));
  return taken;
}

QRect DataWindow::placeBesideMainWindow(QSize frame) const {
  // A window larger than the room beside the map gives up what it can spare of its size, down to
  // its minimum, rather than cover the map or the windows already there.
  const QRect mainFrame = frameOf(&main_);
  const QRect screen = screenAreaOf(&main_);
  const std::vector<QRect> taken = otherWindows();
  const QSize margins = frame - size();
  const QSize smallest = minimumSizeHint().expandedTo(minimumSize()) + margins;
  for (const QRect& room :
       {clearRoomBeside(mainFrame, screen, taken), roomBeside(mainFrame, screen, {})})
    if (smallest.width() <= room.width() && smallest.height() <= room.height()) {
      frame = frame.boundedTo(room.size());
      break;
    }
  return besideMainWindow(frame, mainFrame, screen, taken);
}
const QString& DataWindow::formName() const { return placement_->formName(); }

bool DataWindow::hasStoredPlace() const {
  return placement_->restored() || hasPlacement(*openSettings(), formName());
}

void DataWindow::setFirstFrame(const QRect& frame) {
  placement_->setFirstPlace([frame](QSize) { return frame; });
}

QSize DataWindow::smallestFrame() const {
  return minimumSizeHint().expandedTo(minimumSize()).grownBy(frameMarginsOf(this));
}

QSize DataWindow::preferredFrame() const {
  return sizeHint().expandedTo(minimumSizeHint()).grownBy(frameMarginsOf(this));
}

void DataWindow::showWindow() {
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

void DataWindow::showWithoutFocus() {
  if (isVisible()) return;
  setAttribute(Qt::WA_ShowWithoutActivating, true);
  show();
  setAttribute(Qt::WA_ShowWithoutActivating, false);
}

void DataWindow::applyStayOnTop() {
  const bool onTop = stayOnTop_ && main_.options().*stayOnTop_;
  if (onTop == bool(windowFlags() & Qt::WindowStaysOnTopHint)) return;
  const bool wasVisible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, onTop);  // hides the window
  if (wasVisible) show();
}

void DataWindow::refresh() { update(); }

void DataWindow::setSummary(const QString& s) { summary_->setText(s); }

QPushButton* DataWindow::addOrderButton(const QString& caption, const QString& name) {
  if (!orders_) {
    orders_ = new QHBoxLayout;
    orders_->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(orders_);
  }
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setAutoDefault(false);  // Enter in a page must not end the month
  orders_->addWidget(button);
  return button;
}

QPushButton* DataWindow::addMenuOrder(const QString& caption, const QString& name,
                                      const QString& menuItem) {
  QPushButton* button = addOrderButton(caption, name);
  connect(button, &QPushButton::clicked, this, [this, menuItem] {
    if (QAction* item = main_.menuItem(menuItem)) item->trigger();
  });
  return button;
}

void DataWindow::addCommonOrders() {
  addMenuOrder(tr("人事(&S)"), QStringLiteral("jinjibtn"), QStringLiteral("jinjimenu"));
  addMenuOrder(tr("命令終了(&X)"), QStringLiteral("endbtn"), QStringLiteral("endmenu"));
  addMenuOrder(tr("新台購入(&B)"), QStringLiteral("daibuybtn"), QStringLiteral("daibuymenu"));
}

Tallmap::Tallmap(TMain& main)
    : DataWindow(main, tr("地図"), QStringLiteral("allmap"), &Options::allmapfront) {}

Tchikudata::Tchikudata(TMain& main)
    : DataWindow(main, tr("地区概略"), QStringLiteral("chikudata"), &Options::chikudatafront) {}

Tchipform::Tchipform(TMain& main)
    : DataWindow(main, tr("区画データ"), QStringLiteral("chipform"), &Options::chipformfront) {}

void Tchipform::setBlock(int column, int row) {
  column_ = column;
  row_ = row;
  refresh();
}

Ttempoform::Ttempoform(TMain& main)
    : DataWindow(main, tr("店舗データ"), QStringLiteral("tempoform"), &Options::tempoformfront) {}

void Ttempoform::showStore(int slot) {
  slot_ = slot >= 1 && slot <= kStoreSlots ? slot : 1;
  refresh();
  showWindow();
}

bool Ttempoform::objectStillExists() const { return world().kaichou.slot(slot_).used; }

Tddaidata::Tddaidata(TMain& main)
    : DataWindow(main, tr("台データ"), QStringLiteral("ddaidata"), &Options::ddaidatafront) {}

Tkaishaform::Tkaishaform(TMain& main)
    : DataWindow(main, tr("ﾕﾆｵﾝﾏﾈｰｼﾞｬ"), QStringLiteral("kaishaform"), &Options::kaishaformfront) {
  addCommonOrders();
  addMenuOrder(tr("ﾘｽﾄ(&L)"), QStringLiteral("listbtn"), QStringLiteral("tempomenu"));
}

Tidouform::Tidouform(TMain& main) : DataWindow(main, tr("人事"), QStringLiteral("idouform")) {}

void Tidouform::openPersonnel() {
  refresh();
  exec();
}

Tsindaiform::Tsindaiform(TMain& main)
    : DataWindow(main, tr("新台製作発表"), QStringLiteral("sindaiform")) {}

void Tsindaiform::showNotice(const NewModelNotice& notice) {
  setSummary(qs(notice.makerName) + QStringLiteral("\n") + qs(notice.modelName));
  exec();
}

Tentempoform::Tentempoform(TMain& main)
    : DataWindow(main, tr("他店舗ﾃﾞｰﾀ"), QStringLiteral("entempoform"),
                 &Options::entempoformfront) {}

void Tentempoform::showRivalStore(int record) {
  record_ = record >= 1 && record <= kRivalStoreSlots ? record : 1;
  refresh();
  showWindow();
}

bool Tentempoform::objectStillExists() const { return world().rivals.Tenpo(record_).used; }

Tjissekiform::Tjissekiform(TMain& main)
    : DataWindow(main, tr("実績報告書"), QStringLiteral("jissekiform")) {}

void Tjissekiform::showReport(int month, const QString& companyName, uint16_t) {
  setSummary(companyName + QStringLiteral("  ") + QString::number(month));
  exec();
}

Tminilist::Tminilist(TMain& main) : DataWindow(main, tr("ﾘｽﾄ"), QStringLiteral("minilist")) {}

std::optional<int> Tminilist::pickStore() {
  const tkaichou& k = world().kaichou;
  QDialog picker(this);
  picker.setWindowTitle(windowTitle());
  auto* list = new QListWidget(&picker);
  for (int n = 1; n <= kStoreSlots; ++n) {
    if (!k.slot(n).used) continue;
    auto* item = new QListWidgetItem(qs(k.slot(n).name.view()), list);
    item->setData(Qt::UserRole, n);
    if (mainWindow().options().tempoiconview)
      item->setIcon(QIcon(QPixmap::fromImage(mainWindow().pictures().storeIcon(k.slot(n).joutai))));
  }
  if (list->count() == 0) return std::nullopt;
  list->setCurrentRow(0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &picker);
  connect(buttons, &QDialogButtonBox::accepted, &picker, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &picker, &QDialog::reject);
  connect(list, &QListWidget::itemDoubleClicked, &picker, &QDialog::accept);
  auto* layout = new QVBoxLayout(&picker);
  layout->addWidget(list);
  layout->addWidget(buttons);
  if (picker.exec() != QDialog::Accepted || !list->currentItem()) return std::nullopt;
  return list->currentItem()->data(Qt::UserRole).toInt();
}

}  // namespace gm
