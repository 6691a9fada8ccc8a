// The FluidSynth backend against a real (silent) audio device: changing cues while the device
// renders must never free what its thread still uses.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "shell/data_folder.h"
#include "shell/fluid_sound_player.h"
#include "shell_test_support.h"

namespace gm {
namespace {

TEST(SoundDevice, ChangingCuesWhileTheDeviceRendersKeepsTheProgramAlive) {
  // ALSA's null device plays everything into nothing, so the test needs no sound card; ALSA
  // reads it from the home folder's .asoundrc when the first device opens.
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  QFile rc(home.filePath(QStringLiteral(".asoundrc")));
  ASSERT_TRUE(rc.open(QIODevice::WriteOnly));
  rc.write("pcm.!default {\n  type null\n}\n");
  rc.close();
  const QByteArray realHome = qgetenv("HOME");
  qputenv("HOME", QFile::encodeName(home.path()));
  std::unique_ptr<SoundBackend> backend = makeFluidBackend();
  qputenv("HOME", realHome);
  if (!backend->unavailableReason().isEmpty())
    GTEST_SKIP() << qUtf8Printable(backend->unavailableReason());

  // Each start stops the piece before it. Freeing a player under the running device used to
  // corrupt the heap within a few dozen changes.
  for (int i = 0; i < 40; ++i) {
    ASSERT_TRUE(backend->start(dataPath(cueFileName(i % 7)))) << "change " << i;
    QThread::msleep(i % 5);
  }
  EXPECT_FALSE(backend->finished());
  backend->stop();
  EXPECT_TRUE(backend->finished());
  EXPECT_TRUE(backend->start(dataPath(cueFileName(kCueMain)))) << "the device came back";
  backend.reset();
}

}  // namespace
}  // namespace gm
