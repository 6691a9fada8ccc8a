// Program entry: the splash, the main window and the windows that live until exit, the event
// loop.
#include <QApplication>
#include <QSettings>

#include "shell/alt_key_guard.h"
#include "shell/app_style.h"
#include "shell/data_folder.h"
#include "shell/language.h"
#include "shell/main_window.h"
#include "shell/options_store.h"
#include "shell/self_check.h"
#include "shell/splash_window.h"
#include "ui/program_assembly.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Gindamaya97"));
  QApplication::setOrganizationName(QStringLiteral("Gindamaya97"));
  gm::applyAppStyle(app);
  gm::applyLanguage(app, gm::chosenLanguage(*gm::openSettings()));
  app.installEventFilter(gm::makeAltKeyGuard(&app));

  gm::SplashWindow splash(
      gm::loadSplashPicture(gm::dataPath(QStringLiteral("pictures/splash.svg"))));
  splash.show();
  QApplication::processEvents();

  gm::TMain main;
  gm::assembleProgram(main);
  main.show();
  splash.release();
  gm::scheduleSelfCheck(main);
  return QApplication::exec();
}
