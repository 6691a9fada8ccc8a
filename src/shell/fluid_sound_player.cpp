// The cue rules and the FluidSynth backend that plays them.
#include "shell/fluid_sound_player.h"

#include <fluidsynth.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <QtGlobal>
#include <array>

#include "base/frontend.h"

namespace gm {

namespace {

constexpr std::array<const char*, 7> kCueFiles = {"title.mid", "main.mid", "maker.mid",   "yes.mid",
                                                  "up.mid",    "down.mid", "gameover.mid"};

bool loops(int cue) { return cue == kCueMain || cue == kCueMaker; }

// How often the GUI thread looks whether the piece has ended. The audio thread never calls back.
constexpr int kPollMilliseconds = 200;

}  // namespace

QString cueFileName(int cue) {
  if (cue < 0 || cue >= static_cast<int>(kCueFiles.size())) return {};
  return QString::fromLatin1(kCueFiles[cue]);
}

QString missingCueMessage(const QString& fileName) {
  return QCoreApplication::translate("fluid_sound_player",
                                     "%1が見つからないか、開けません。"
                                     "このファイルはGndmya97.exeと同じフォルダに置いてください。")
      .arg(fileName);
}

// ---------------------------------------------------------------------------------------------

CueRules::CueRules(SoundBackend& backend, QString folder, bool musicOn, Report report)
    : backend_(backend), folder_(std::move(folder)), report_(std::move(report)), music_(musicOn) {}

void CueRules::play(int cue) {
  if (!music_) return;
  if (cue == kCueMain && !mainAllowed_) return;
  if (playing_ && cue == current_) return;
  const QString name = cueFileName(cue);
  if (name.isEmpty()) return;
  // Without a device or a soundfont the player has already said so once; a missing-file box on
  // every cue would only repeat that nothing can be heard.
  if (!backend_.unavailableReason().isEmpty()) return;

  const QString path = QDir(folder_).filePath(name);
  if (!QFileInfo(path).isFile()) {
    if (report_) report_(missingCueMessage(name));
    return;
  }
  stop();
  current_ = cue;
  if (!backend_.start(path)) {
    backend_.stop();
    if (report_) report_(missingCueMessage(name));
    return;
  }
  playing_ = true;
}

void CueRules::stop() {
  if (playing_) backend_.stop();
  playing_ = false;
}

void CueRules::setMusic(bool on) {
  music_ = on;
  if (on && !playing_) play(kCueMain);
  if (!on && playing_) stop();
}

void CueRules::poll() {
  if (!playing_ || !backend_.finished()) return;
  if (loops(current_)) {
    if (backend_.start(QDir(folder_).filePath(cueFileName(current_)))) return;
    // The file went away while it played: fall through and close quietly.
  }
  stop();
}

// ---------------------------------------------------------------------------------------------

QString findSoundFont(const QStringList& folders) {
  static const std::array<const char*, 5> kFonts = {
      "FluidR3_GM.sf2", "FluidR3_GM.sf3", "TimGM6mb.sf2", "default-GM.sf2", "default-GM.sf3"};
  for (const char* font : kFonts) {
    for (const QString& folder : folders) {
      const QString path = QDir(folder).filePath(QString::fromLatin1(font));
      if (QFileInfo(path).isFile()) return path;
    }
  }
  return {};
}

QStringList systemSoundFontFolders() {
  return {QStringLiteral("/usr/share/sounds/sf2"), QStringLiteral("/usr/share/sounds/sf3"),
          QStringLiteral("/usr/share/soundfonts")};
}

namespace {

// FluidSynth prints every failed driver to stderr; while the drivers are tried one after the
// other those lines are expected and only confuse.
class QuietFluidLog {
 public:
  QuietFluidLog() {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
      previous_[level] = fluid_set_log_function(level, nullptr, nullptr);
  }
  ~QuietFluidLog() {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
      fluid_set_log_function(level, previous_[level], nullptr);
  }
  QuietFluidLog(const QuietFluidLog&) = delete;
  QuietFluidLog& operator=(const QuietFluidLog&) = delete;

 private:
  std::array<fluid_log_function_t, LAST_LOG_LEVEL> previous_{};
};

void collectDriver(void* data, const char*, const char* option) {
  static_cast<QStringList*>(data)->append(QString::fromLatin1(option));
}

class FluidBackend : public SoundBackend {
 public:
  FluidBackend() {
    settings_ = new_fluid_settings();
    if (!settings_) {
      reason_ = QCoreApplication::translate("fluid_sound_player",
                                            "音楽なし：シンセサイザーを準備できません。");
      return;
    }
    const QString font = findSoundFont(systemSoundFontFolders());
    if (font.isEmpty()) {
      reason_ = QCoreApplication::translate("fluid_sound_player",
                                            "音楽なし：サウンドフォントが見つかりません。");
      return;
    }
    // Only the instruments a cue uses are read from the soundfont: the whole General MIDI font
    // would add some 150 MB to the program's memory for the few voices it plays.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    synth_ = new_fluid_synth(settings_);
    if (!synth_) {
      reason_ = QCoreApplication::translate("fluid_sound_player",
                                            "音楽なし：シンセサイザーを準備できません。");
      return;
    }
    // The device first: a machine without one is told so before a large font is read in vain.
    if (!openDriver()) {
      reason_ =
          QCoreApplication::translate("fluid_sound_player", "音楽なし：音声出力装置を開けません。");
      return;
    }
    QuietFluidLog quiet;
    if (fluid_synth_sfload(synth_, QFile::encodeName(font).constData(), 1) == FLUID_FAILED) {
      delete_fluid_audio_driver(driver_);
      driver_ = nullptr;
      reason_ = QCoreApplication::translate("fluid_sound_player",
                                            "音楽なし：サウンドフォントを読めません。");
    }
  }

  ~FluidBackend() override {
    stopPlayer(false);
    if (driver_) delete_fluid_audio_driver(driver_);
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
  }

  QString unavailableReason() const override { return reason_; }

  bool start(const QString& path) override {
    stop();
    if (!driver_) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray midi = file.readAll();
    // FluidSynth skips a file it cannot parse without a word; look at the header ourselves so
    // that a broken file is reported like a missing one.
    if (!midi.startsWith("MThd")) return false;
    player_ = new_fluid_player(synth_);
    if (!player_) return false;
    if (fluid_player_add_mem(player_, midi.constData(), static_cast<size_t>(midi.size())) !=
            FLUID_OK ||
        fluid_player_play(player_) != FLUID_OK) {
      stop();
      return false;
    }
    return true;
  }

  void stop() override { stopPlayer(true); }

  bool finished() const override {
    return !player_ || fluid_player_get_status(player_) == FLUID_PLAYER_DONE;
  }

 private:
  // FluidSynth must not free a player while an audio driver renders the synth: the driver's thread
  // would go on running the player's timer in freed memory and corrupt the heap. The driver is
  // closed around it and, unless the program is ending, opened again (the same one: the settings
  // still name it).
  void stopPlayer(bool reopen) {
    if (!player_) return;
    fluid_player_stop(player_);
    if (driver_) delete_fluid_audio_driver(driver_);
    driver_ = nullptr;
    delete_fluid_player(player_);
    player_ = nullptr;
    fluid_synth_all_sounds_off(synth_, -1);
    if (reopen) driver_ = new_fluid_audio_driver(settings_, synth_);
  }

  // FluidSynth does not fall back from one driver to the next by itself.
  bool openDriver() {
    QStringList available;
    fluid_settings_foreach_option(settings_, "audio.driver", &available, collectDriver);
    // A JACK client would otherwise try to start a server of its own and wait for it.
    if (!qEnvironmentVariableIsSet("JACK_NO_START_SERVER")) qputenv("JACK_NO_START_SERVER", "1");
    static const std::array<const char*, 6> kOrder = {"pulseaudio", "pipewire", "alsa",
                                                      "jack",       "sdl2",     "oss"};
    QuietFluidLog quiet;
    for (const char* name : kOrder) {
      if (!available.contains(QString::fromLatin1(name))) continue;
      fluid_settings_setstr(settings_, "audio.driver", name);
      driver_ = new_fluid_audio_driver(settings_, synth_);
      if (driver_) return true;
    }
    return false;
  }

  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  fluid_audio_driver_t* driver_ = nullptr;
  fluid_player_t* player_ = nullptr;
  QString reason_;
};

}  // namespace

std::unique_ptr<SoundBackend> makeFluidBackend() { return std::make_unique<FluidBackend>(); }

// ---------------------------------------------------------------------------------------------

FluidSoundPlayer::FluidSoundPlayer(const QString& folder, bool musicOn, QWidget* dialogParent)
    : FluidSoundPlayer(makeFluidBackend(), folder, musicOn,
                       [parent = QPointer<QWidget>(dialogParent)](const QString& message) {
                         QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Gindamaya97"),
                                         message, QMessageBox::Ok, parent.data());
                         box.exec();
                       }) {}

FluidSoundPlayer::FluidSoundPlayer(std::unique_ptr<SoundBackend> backend, const QString& folder,
                                   bool musicOn, CueRules::Report report)
    : backend_(std::move(backend)), rules_(*backend_, folder, musicOn, std::move(report)) {
  if (!backend_->unavailableReason().isEmpty())
    qWarning("%s", qUtf8Printable(backend_->unavailableReason()));
  poll_.setInterval(kPollMilliseconds);
  QObject::connect(&poll_, &QTimer::timeout, [this] { followPlayback(); });
}

FluidSoundPlayer::~FluidSoundPlayer() {
  poll_.stop();
  rules_.stop();
}

void FluidSoundPlayer::followPlayback() {
  rules_.poll();
  if (!rules_.playing()) poll_.stop();
}

void FluidSoundPlayer::play(int cue) {
  rules_.play(cue);
  if (rules_.playing()) poll_.start();
}

void FluidSoundPlayer::stop() {
  rules_.stop();
  poll_.stop();
}

void FluidSoundPlayer::setMusic(bool on) {
  rules_.setMusic(on);
  if (rules_.playing())
    poll_.start();
  else
    poll_.stop();
}

}  // namespace gm
