// The music player of the seven cues. `CueRules` decides which cue starts, which request is
// ignored and which cue loops; it drives a small `SoundBackend`, so that the rules run the same
// against FluidSynth and against a fake in the tests. `FluidSoundPlayer` puts the rules in front
// of a FluidSynth backend and watches for the end of a piece from a timer on the GUI thread.
#pragma once

#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "shell/sound_player.h"

namespace gm {

// The sound device behind the rules: one piece at a time.
class SoundBackend {
 public:
  virtual ~SoundBackend() = default;
  // Empty when the backend can play; otherwise one line saying why it stays silent.
  virtual QString unavailableReason() const = 0;
  // Stops what plays and starts the MIDI file from its beginning; false when it cannot be read.
  virtual bool start(const QString& path) = 0;
  virtual void stop() = 0;
  // True once the piece started last has played to its end.
  virtual bool finished() const = 0;
};

// The files of cues 0..6 in the data folder; empty for other numbers.
QString cueFileName(int cue);
// The message shown when a cue's file is missing or unreadable.
QString missingCueMessage(const QString& fileName);

class CueRules {
 public:
  using Report = std::function<void(const QString& message)>;

  // `folder` holds the cue files; `report` shows the missing-file message.
  CueRules(SoundBackend& backend, QString folder, bool musicOn, Report report);

  void play(int cue);
  void stop();
  void setMusic(bool on);
  void setMainCueAllowed(bool allowed) { mainAllowed_ = allowed; }
  // Called from time to time: a piece that has ended loops (main theme, maker) or is closed.
  void poll();

  bool music() const { return music_; }
  bool mainAllowed() const { return mainAllowed_; }
  bool playing() const { return playing_; }
  int currentCue() const { return current_; }

 private:
  SoundBackend& backend_;
  QString folder_;
  Report report_;
  bool music_;
  bool mainAllowed_ = true;
  bool playing_ = false;
  int current_ = -1;
};

// The soundfont to use: the first of the known General MIDI fonts found in `folders`, preferring
// the font over the folder; empty when there is none.
QString findSoundFont(const QStringList& folders);
// The folders where the system's soundfonts live.
QStringList systemSoundFontFolders();
// The FluidSynth backend: the first system soundfont and the first audio driver that starts.
std::unique_ptr<SoundBackend> makeFluidBackend();

class FluidSoundPlayer : public SoundPlayer {
 public:
  // Plays the cue files of `folder` through FluidSynth. A missing file is reported with a plain
  // message box over `dialogParent`.
  FluidSoundPlayer(const QString& folder, bool musicOn, QWidget* dialogParent = nullptr);
  // The same rules over any backend, reporting missing files through `report`.
  FluidSoundPlayer(std::unique_ptr<SoundBackend> backend, const QString& folder, bool musicOn,
                   CueRules::Report report);
  ~FluidSoundPlayer() override;

  void play(int cue) override;
  void stop() override;
  void setMusic(bool on) override;
  void setMainCueAllowed(bool allowed) override { rules_.setMainCueAllowed(allowed); }

  // The option `playmusic` as it stands now, to be written back at exit.
  bool music() const { return rules_.music(); }
  int currentCue() const { return rules_.currentCue(); }
  bool playing() const { return rules_.playing(); }
  // Empty when music can play; otherwise one line for the main window's status bar.
  QString unavailableReason() const { return backend_->unavailableReason(); }

 private:
  void followPlayback();

  std::unique_ptr<SoundBackend> backend_;
  CueRules rules_;
  QTimer poll_;
};

}  // namespace gm
