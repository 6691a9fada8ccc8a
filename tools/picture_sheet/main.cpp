// picture_sheet: renders every picture of the game into one PNG for review.
// Usage: picture_sheet [pictures_dir] [output.png]
#include "sheet_builder.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
  // Fonts for the captions need a GUI application, but no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  const QString dir = args.size() > 1 ? args[1] : QStringLiteral("assets/pictures");
  const QString out = args.size() > 2 ? args[2] : QStringLiteral("/tmp/sheet.png");

  const picture_sheet::sheet_result result = picture_sheet::build_sheet(dir);
  QTextStream err(stderr);
  for (const QString& line : result.findings) err << line << '\n';
  if (!result.image.save(out)) {
    err << "cannot write " << out << '\n';
    return 1;
  }
  err << "wrote " << out << '\n';
  return 0;
}
