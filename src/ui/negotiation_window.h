// The land negotiation screen (`TBuykoushou`, "買収交渉"): the owner across the table with one of
// his four faces and his typing box (`kyakubox`), the president with his three faces and his
// (`mybox`), and the amount dialog over them. The core's negotiation drives it through the port:
// each line is typed out before the talk goes on, the pauses hold the screen still, and at the
// end the screen waits for the player to close it.
#pragma once

#include <QDialog>
#include <QString>

#include "shell/negotiation_screen.h"

class QLabel;
class QPushButton;

namespace gm {

class TMain;
class TypingBox;

class TBuykoushou : public QDialog, public NegotiationScreen {
  Q_OBJECT

 public:
  static constexpr int kPortraitSize = 128;

  explicit TBuykoushou(TMain& main);

  void begin(int row, int column, int64_t askingPrice) override;
  std::optional<int64_t> askOffer(std::string_view title, int64_t landPrice, Money cash) override;
  void ownerSays(int face, std::string_view text) override;
  void presidentSays(int face, std::string_view text) override;
  void pause(int milliseconds) override;
  void end(bool bought) override;

  // Pauses last this many per cent of what the talk asks (tests shorten them).
  void setPauseScale(int percent) { pauseScale_ = percent; }

  TypingBox* kyakubox() const { return kyakubox_; }
  TypingBox* mybox() const { return mybox_; }
  QLabel* header() const { return header_; }
  QPushButton* closeButton() const { return close_; }
  int ownerFace() const { return ownerFace_; }
  int presidentFace() const { return presidentFace_; }
  bool talking() const { return talking_; }

 public slots:
  // Esc and the close box: while the talk goes on they only hurry the typing along.
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void showOwner(int face);
  void showPresident(int face);
  // Types `text` into `box` and returns once it is shown in full.
  void type(TypingBox* box, std::string_view text);

  TMain& main_;
  QLabel* header_;
  QLabel* ownerPicture_;
  QLabel* presidentPicture_;
  TypingBox* kyakubox_;
  TypingBox* mybox_;
  QPushButton* close_;
  int ownerFace_ = 0;
  int presidentFace_ = 2;
  int pauseScale_ = 100;
  bool talking_ = false;
};

}  // namespace gm
