// Runs the program tests inside one QApplication (offscreen platform).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  // CTest runs two test processes at a time, and each one writes the program's settings at exit:
  // every process gets a settings folder of its own, so that no test reads another's placements.
  // Qt's test mode keeps settings under the home folder whatever XDG_CONFIG_HOME says, so the
  // home folder moves into the process's own folder too.
  const QString base = qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")
                           ? QDir::tempPath()
                           : qEnvironmentVariable("XDG_CONFIG_HOME");
  QDir().mkpath(base);
  QTemporaryDir config(base + QStringLiteral("/run-XXXXXX"));
  if (config.isValid()) {
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("HOME", config.path().toLocal8Bit());
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
