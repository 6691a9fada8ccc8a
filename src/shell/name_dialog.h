// The store-naming dialog (`Tnameform`): the president asks for the new store's name. The name
// must fit 48 Shift-JIS bytes and have a Shift-JIS form; "命名(&R)" works only while the edit is
// not empty.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QValidator>
#include <optional>
#include <string>
#include <string_view>

class QLineEdit;
class QPushButton;

namespace gm {

class TypingBox;
struct Options;

// Refuses input that has no Shift-JIS form or does not fit 48 bytes.
class NameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

// The name offered for the company's `number`th hall when it has none yet: "パーラー１号店" (in
// the player's language; the digits turn full width in Japanese only).
std::string defaultStoreName(int number);

class Tnameform : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(Tnameform)

 public:
  explicit Tnameform(const Options* options, QWidget* parent = nullptr);

  // The chosen name (cut to 48 bytes), or nothing when the dialog was cancelled.
  std::optional<std::string> AskName(std::string_view proposed);

  QLineEdit* edit() const { return edit_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const Options* options_;
  TypingBox* box_;
  QLineEdit* edit_;
  QPushButton* ok_;
};

}  // namespace gm
