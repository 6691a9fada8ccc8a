// The music player behind the game's seven cues (title, main, maker, yes, up, down, game over).
// The program plays them through a synthesiser; until one is installed, and in tests, a silent
// player stands in.
#pragma once

namespace gm {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts a cue unless music is off, the cue is the main theme while it is not allowed, or the
  // cue is already playing.
  virtual void play(int cue) = 0;
  virtual void stop() = 0;
  // Music on or off (option `playmusic`): on starts the main theme if nothing plays, off stops.
  virtual void setMusic(bool on) = 0;
  // Cleared at game over so that no event brings the main theme back; set again at begin play.
  virtual void setMainCueAllowed(bool allowed) = 0;
};

class SilentSoundPlayer : public SoundPlayer {
 public:
  void play(int) override {}
  void stop() override {}
  void setMusic(bool) override {}
  void setMainCueAllowed(bool) override {}
};

}  // namespace gm
