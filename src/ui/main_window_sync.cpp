#include "app/pane_explanations.h"
#include "ui/chart_window.h"
#include "ui/control_style.h"
#include "ui/fonts.h"
#include "ui/main_window.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace tombolix {

void MainWindow::Sync() {
  if (syncing_) {
    resyncWanted_ = true;
    return;
  }
  syncing_ = true;
  // A focus change made while drawing can change the model again (a selector
  // empties itself when it gains the focus); draw until nothing is left.
  for (int round = 0; round < 4; ++round) {
    resyncWanted_ = false;
    SyncOnce();
    RunPendingFocusEvents();
    if (!resyncWanted_) break;
  }
  syncing_ = false;
}

void MainWindow::SyncOnce() {
  if (!drawnCaption_ || *drawnCaption_ != model_.caption) {
    setWindowTitle(model_.caption);
    drawnCaption_ = model_.caption;
  }
  SyncButtons();
  SyncSelectors();
  SyncLotteryBox();
  SyncList();
  SyncLabels();
  SyncPanes();
  SyncMenuBar();
  SyncTimers();
  // Charts of a history just dropped close before the new one shows.
  if (drawnHistoryGeneration_ != model_.historyGeneration) {
    CloseStaleChartWindows(this, model_.historyGeneration);
    drawnHistoryGeneration_ = model_.historyGeneration;
  }
  SyncFocus();
}

void MainWindow::ParkFocusIfOn(QWidget* widget, bool willBeEnabled) {
  if (!willBeEnabled && widget->hasFocus()) focusSink_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::SyncButtons() {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const ButtonState& state = model_.CmdFuncion[i];
    QPushButton* button = buttons_[i];
    std::optional<DrawnButton>& drawn = drawnButtons_[i];
    if (!drawn || drawn->caption != state.caption) button->setText(state.caption);
    if (!drawn || drawn->colour != state.backColour) button->setStyleSheet(ButtonStyleSheet(state.backColour));
    if (!drawn || drawn->enabled != state.enabled || drawn->visible != state.visible) {
      ParkFocusIfOn(button, state.enabled && state.visible);
      button->setEnabled(state.enabled);
      button->setVisible(state.visible);
    }
    if (!drawn || drawn->tabStop != state.tabStop)
      button->setFocusPolicy(state.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    drawn = DrawnButton{state.caption, state.backColour, state.enabled, state.tabStop, state.visible};
  }
}

void MainWindow::SyncSelectors() {
  for (size_t k = 0; k < selectors_.size(); ++k) {
    const SelectorState& state = model_.CboBal[k];
    QComboBox* box = selectors_[k];
    std::optional<DrawnSelector>& drawn = drawnSelectors_[k];
    if (!drawn || drawn->items != state.items) {
      const QSignalBlocker block(box);
      box->clear();
      box->addItems(state.items);
      box->setCurrentIndex(-1);
      box->setEditText(state.text);
    } else if (drawn->text != state.text) {
      box->setEditText(state.text);
    }
    if (!drawn || drawn->enabled != state.enabled) {
      ParkFocusIfOn(box, state.enabled);
      box->setEnabled(state.enabled);
    }
    drawn = DrawnSelector{state.items, state.text, state.enabled};
  }
}

void MainWindow::SyncLotteryBox() {
  const LotteryBoxState& state = model_.CboLoteria;
  std::optional<DrawnLotteries>& drawn = drawnLotteries_;
  const QSignalBlocker block(lotteries_);
  if (!drawn || drawn->items != state.items) {
    lotteries_->clear();
    lotteries_->addItems(state.items);
    lotteries_->setCurrentIndex(state.currentIndex);
  } else if (drawn->index != state.currentIndex) {
    lotteries_->setCurrentIndex(state.currentIndex);
  }
  if (!drawn || drawn->enabled != state.enabled) {
    ParkFocusIfOn(lotteries_, state.enabled);
    lotteries_->setEnabled(state.enabled);
  }
  drawn = DrawnLotteries{state.items, state.currentIndex, state.enabled};
}

void MainWindow::SyncList() {
  const ListState& state = model_.LstFormula;
  std::optional<DrawnList>& drawn = drawnList_;
  if (!drawn || drawn->items != state.items) {
    list_->clear();
    list_->addItems(state.items);
    for (int row = 0; row < list_->count(); ++row) list_->item(row)->setToolTip(AnalysisRowToolTip(row));
    list_->setCurrentRow(state.selectedRow);
  } else if (drawn->row != state.selectedRow) {
    list_->setCurrentRow(state.selectedRow);
  }
  if (!drawn || drawn->enabled != state.enabled || drawn->visible != state.visible) {
    ParkFocusIfOn(list_, state.enabled && state.visible);
    list_->setEnabled(state.enabled);
    list_->setVisible(state.visible);
  }
  drawn = DrawnList{state.items, state.selectedRow, state.enabled, state.visible};
}

void MainWindow::SyncLabel(QLabel* label, const LabelState& state, std::optional<DrawnLabel>& drawn,
                           QString (*makeStyleSheet)(Rgb), const QFont* fitFont) {
  if (!drawn || drawn->caption != state.caption) {
    if (fitFont) label->setFont(FittedFont(*fitFont, state.caption, label->width()));
    label->setText(state.caption);
  }
  if (!drawn || drawn->colour != state.backColour) label->setStyleSheet(makeStyleSheet(state.backColour));
  if (!drawn || drawn->enabled != state.enabled) label->setEnabled(state.enabled);
  if (!drawn || drawn->visible != state.visible) label->setVisible(state.visible);
  if (!drawn || drawn->toolTip != state.toolTip) label->setToolTip(state.toolTip);
  drawn = DrawnLabel{state.caption, state.toolTip, state.backColour, state.enabled, state.visible};
}

void MainWindow::SyncLabels() {
  for (size_t i = 0; i < maps_.size(); ++i) {
    SyncLabel(maps_[i], model_.LblMapas[i], drawnMaps_[i], MapButtonStyleSheet, nullptr);
  }
  SyncLabel(status_, model_.LblAjuste, drawnStatus_, LabelStyleSheet, nullptr);
  // The link captions must fit their design width whatever face stands in.
  static const QFont linkFont = LucidaFont(8);
  SyncLabel(ayuda_, model_.LblAyuda, drawnAyuda_, LinkStyleSheet, &linkFont);
  SyncLabel(boletos_, model_.LblBoletos, drawnBoletos_, LinkStyleSheet, &linkFont);
  SyncLabel(donacion_, model_.LblDonacion, drawnDonacion_, LinkStyleSheet, &linkFont);
}

void MainWindow::SyncPanes() {
  for (size_t i = 0; i < panes_.size(); ++i) {
    ReportPane& pane = model_.RtfReporte[i];
    if (drawnPaneVisible_[i] != pane.visible) {
      ParkFocusIfOn(panes_[i], pane.visible);
      panes_[i]->setVisible(pane.visible);
      drawnPaneVisible_[i] = pane.visible;
    }
  }
  // Hidden panes are drawn when they are shown; a pane under the background
  // pane (during a computation) when it comes out from under it.
  const bool covered = model_.RtfFondo.visible;
  for (size_t i = 0; i < panes_.size(); ++i) {
    ReportPane& pane = model_.RtfReporte[i];
    if (pane.visible && !covered) panes_[i]->Draw(pane.report);
  }
  if (!drawnFondoVisible_ || *drawnFondoVisible_ != model_.RtfFondo.visible) {
    ParkFocusIfOn(fondo_, model_.RtfFondo.visible);
    fondo_->setVisible(model_.RtfFondo.visible);
    drawnFondoVisible_ = model_.RtfFondo.visible;
  }
  if (model_.RtfFondo.visible) fondo_->Draw(model_.RtfFondo.report);
}

void MainWindow::SyncTimer(QTimer& timer, const TimerState& state, DrawnTimer& drawn) {
  // An interval of 0 keeps a timer from ticking, as an enabled flag of false does.
  const bool active = state.enabled && state.intervalMs > 0;
  if (active == drawn.active && (!active || state.intervalMs == drawn.intervalMs)) return;
  if (active) {
    timer.start(state.intervalMs);
  } else {
    timer.stop();
  }
  drawn = DrawnTimer{active, state.intervalMs};
}

void MainWindow::SyncTimers() {
  SyncTimer(publicidad_, model_.TmrPublicidad, drawnPublicidad_);
  SyncTimer(gameplay_, model_.TmrGameplay, drawnGameplay_);
  SyncTimer(advertencia_, model_.TmrAdvertencia, drawnAdvertencia_);
}

QWidget* MainWindow::FocusWidget(const Focus& focus) const {
  switch (focus.target) {
    case FocusTarget::LstFormula:
      return list_;
    case FocusTarget::CboLoteria:
      return lotteries_;
    case FocusTarget::CboBal:
      return focus.index >= 0 && focus.index < 8 ? selectors_[static_cast<size_t>(focus.index)] : nullptr;
    case FocusTarget::CmdFuncion:
      return focus.index >= 0 && focus.index < 8 ? buttons_[static_cast<size_t>(focus.index)] : nullptr;
    case FocusTarget::None:
      return nullptr;
  }
  return nullptr;
}

Focus MainWindow::FocusOf(const QWidget* widget) const {
  if (widget == list_) return {FocusTarget::LstFormula, 0};
  if (widget == lotteries_) return {FocusTarget::CboLoteria, 0};
  for (int i = 0; i < 8; ++i) {
    if (widget == selectors_[static_cast<size_t>(i)]) return {FocusTarget::CboBal, i};
    if (widget == buttons_[static_cast<size_t>(i)]) return {FocusTarget::CmdFuncion, i};
  }
  return {};
}

void MainWindow::SyncFocus() {
  if (drawnFocus_ && *drawnFocus_ == model_.focus) return;
  drawnFocus_ = model_.focus;
  QWidget* widget = FocusWidget(model_.focus);
  if (widget && widget->isEnabled() && widget->isVisibleTo(this)) widget->setFocus(Qt::OtherFocusReason);
}

void MainWindow::RunPendingFocusEvents() {
  const std::vector<int> pending = std::move(pendingGotFocus_);
  pendingGotFocus_.clear();
  for (int k : pending) {
    app_.CboBal_GotFocus(k);
    resyncWanted_ = true;
  }
}

}  // namespace tombolix
