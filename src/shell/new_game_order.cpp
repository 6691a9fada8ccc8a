// The new-game order from the dialogs to the fresh world.
#include "shell/new_game_order.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "company/new_game.h"
#include "persist/city_file.h"
#include "shell/data_folder.h"
#include "shell/new_game_dialogs.h"

namespace gm {

std::unique_ptr<gm::tworld> runNewGameOrder(QWidget* parent, gm::Random& generator,
                                            const Options* options) {
  generator.setSeed(static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch()));

  std::string path;
  Difficulty difficulty = Difficulty::kNovice;
  {
    Tnewform select(dataFolder(), options, parent);
    if (select.exec() != QDialog::Accepted || select.chosenFile().empty()) return nullptr;
    path = select.chosenFile();
    difficulty = select.difficulty();
  }
  FoundingChoice founding;
  {
    Tmakekaichou found(generator, options, parent);
    if (found.exec() != QDialog::Accepted) return nullptr;
    founding = found.choice();
  }
  if (!QFileInfo::exists(QString::fromStdString(path))) return nullptr;

  CityReadResult city = ReadCityFile(path);
  if (!city.ok) {
    QMessageBox::critical(parent, QCoreApplication::translate("new_game_order", "新規出店"),
                          QString::fromStdString(city.error));
    return nullptr;
  }
  auto world = std::make_unique<tworld>();
  SetUpNewGame(*world, generator, city.city, founding, difficulty);
  return world;
}

}  // namespace gm
