#pragma once

#include "app/wheel_flow.h"

#include <QDialog>
#include <QStringList>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace tombolix {

class TombolixApp;

// "Reducciones…": the player picks numbers on a grid of the lottery's values
// (or types them), the ticket size and the guarantee, and gets a checked set
// of tickets to save, print or send to the ticket check.
class WheelDialog : public QDialog {
 public:
  // `sendToTicketCheck` receives the tickets of a checked wheel for
  // "Comprobar jugadas…"; without one the dialog has no button to send them.
  WheelDialog(QWidget* parent, TombolixApp& app, TicketCheckHandOver sendToTicketCheck);

 protected:
  // Escape and the close button stop a search instead of closing under it.
  void reject() override;

 private:
  QWidget* BuildGrid();
  QWidget* BuildSettings();
  void SyncGrid();
  void ToggleNumber(int number, bool on);
  void Calculate();
  void ShowOutcome();
  void Save();
  void Print();
  void SetRunning(bool running);

  WheelFlow flow_;
  TicketCheckHandOver sendToTicketCheck_;
  std::vector<QPushButton*> numberButtons_;
  QLineEdit* chosen_ = nullptr;
  QLineEdit* fixed_ = nullptr;
  QSpinBox* ticketSize_ = nullptr;
  QSpinBox* hits_ = nullptr;
  QSpinBox* drawn_ = nullptr;
  QSpinBox* seconds_ = nullptr;
  QSpinBox* seed_ = nullptr;
  QPushButton* calculate_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* send_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPlainTextEdit* result_ = nullptr;
  std::optional<WheelOutcome> outcome_;
  bool running_ = false;
  bool cancelRequested_ = false;
};

// Opens the dialog, or tells why there is nothing to reduce (no lottery
// loaded, a digit game). Does nothing while the window is busy.
void ShowWheelDialog(QWidget* parent, TombolixApp& app, TicketCheckHandOver sendToTicketCheck = {});

}  // namespace tombolix
