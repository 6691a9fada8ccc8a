// The player's options. The program reads them at start-up and writes them at exit; the core
// only reads them (through the port) to decide whether to ask and whether to report.
#pragma once

namespace gm {

struct Options {
  // section "option"
  bool tellmsg = true;  // ask before ending the month, saving, overwriting and quitting
  int allmapchipsize = 24;
  bool allmapfront = false;
  bool chipformfront = false;
  bool chikudatafront = false;
  bool tempoformfront = false;
  bool ddaidatafront = false;
  bool kaishaformfront = false;
  bool entempoformfront = false;
  bool showscrollbar = true;
  bool subvisible = true;
  bool defopen = true;
  bool tempoiconview = true;
  bool daiiconview = true;
  bool coming = true;  // right-drag: the map follows the mouse
  int gridsize = 0;
  int viewmap = 0;
  bool kanteiskip = false;
  bool titleview = true;
  int waittime = 25;
  bool showhint = true;
  bool playmusic = true;
  bool autosave = false;  // the month end saves the game, keeping the last three months
  // section "houkoku": reports
  bool teisiokhoukoku = true;
  bool koujiokhoukoku = true;
  bool sindaihoukoku = true;
  bool urikirehoukoku = true;
  bool openhoukoku = true;
  bool kaitenhoukoku = true;
  bool closehoukoku = true;
  bool taishokuhoukoku = true;
  bool jissekihoukoku = true;
  bool bonushoukoku = true;
  bool nyuushahoukoku = true;
  bool reserchhoukoku = true;
  // The results report adds the advisor's word on every store (off: the report as it was).
  bool shindanhoukoku = false;
};

}  // namespace gm
