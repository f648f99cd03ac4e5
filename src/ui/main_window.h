#pragma once

#include "app/tombolix_app.h"
#include "app/window_model.h"
#include "ui/click_label.h"
#include "ui/report_pane_view.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tombolix {

// The main window. It draws the window model of the app and forwards every
// click, key, focus change and timer tick to the app; it decides nothing.
// Drawing is incremental: each control remembers what it last drew and is
// touched only when the model differs.
class MainWindow : public QWidget {
 public:
  static constexpr int kClientWidth = 765;
  static constexpr int kClientHeight = 639;

  explicit MainWindow(TombolixApp& app, QWidget* parent = nullptr);

  // Brings every control up to date with the window model.
  void Sync();
  // Places the window in the middle of its screen.
  void CentreOnScreen();

  // Called after each tick of the start timer has been handled and drawn.
  std::function<void()> afterPublicidadTick;

  // The controls, for tests.
  ReportPaneView* Pane(int index) const { return panes_[static_cast<size_t>(index)]; }
  ReportPaneView* BackgroundPane() const { return fondo_; }
  QComboBox* Selector(int k) const { return selectors_[static_cast<size_t>(k)]; }
  QPushButton* Button(int i) const { return buttons_[static_cast<size_t>(i)]; }
  QComboBox* LotteryBox() const { return lotteries_; }
  QListWidget* AnalysisList() const { return list_; }
  ClickLabel* MapButton(int i) const { return maps_[static_cast<size_t>(i)]; }
  QLabel* StatusLabel() const { return status_; }
  QTimer* PublicidadTimer() { return &publicidad_; }
  QTimer* GameplayTimer() { return &gameplay_; }
  QMenuBar* MenuBar() const { return menuBar_; }
  QWidget* ClientArea() const { return client_; }
  // The shown report pane, -1 when none is shown.
  int ShownPane() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // "Actualizar desde la web…": asks the address (the one remembered for the
  // lottery, the first time none), downloads it and opens the importer on it.
  // True when the history was written.
  bool UpdateFromWeb();
  // The lottery box's "Importar historial…" (fromWeb false) and "Actualizar
  // desde la web…", shared with the menu bar, and when each is available.
  void RunLotteryAction(bool fromWeb);
  bool ImportEnabled() const;
  bool UpdateFromWebEnabled() const;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // What a control last drew, to compare with the model.
  struct DrawnButton {
    QString caption;
    Rgb colour = 0;
    bool enabled = false, tabStop = false, visible = false;
  };
  struct DrawnSelector {
    QStringList items;
    QString text;
    bool enabled = false;
  };
  struct DrawnLabel {
    QString caption;
    QString toolTip;
    Rgb colour = 0;
    bool enabled = false, visible = false;
  };
  struct DrawnList {
    QStringList items;
    int row = -2;
    bool enabled = false, visible = false;
  };
  struct DrawnLotteries {
    QStringList items;
    int index = -2;
    bool enabled = false;
  };
  struct DrawnTimer {
    bool active = false;
    int intervalMs = -1;
  };

  // Building (main_window.cpp).
  void BuildNumbersFrame();
  void BuildResultsFrame();
  void BuildSideControls();
  void BuildLinks();
  QComboBox* MakeSelector(QWidget* parent, int k);
  void Connect();
  void WatchChildren();

  // The menu bar (main_window_menu.cpp).
  void BuildMenuBar();
  QAction* AddReportEntry(QMenu* menu, const QString& text, int action);
  void SyncMenuBar();
  void RunMenuReportAction(int action);
  void SetHighContrast(bool on);

  // Drawing (main_window_sync.cpp).
  void SyncOnce();
  void SyncButtons();
  void SyncSelectors();
  void SyncLotteryBox();
  void SyncList();
  void SyncLabels();
  void SyncLabel(QLabel* label, const LabelState& state, std::optional<DrawnLabel>& drawn,
                 QString (*makeStyleSheet)(Rgb), const QFont* fitFont);
  void SyncPanes();
  void SyncTimers();
  void SyncTimer(QTimer& timer, const TimerState& state, DrawnTimer& drawn);
  void SyncFocus();
  // Disabling the focused control would pass the focus on to the next one
  // (a selector would then take it as a user's choice); an empty, invisible
  // control of the window holds it instead.
  void ParkFocusIfOn(QWidget* widget, bool willBeEnabled);
  QWidget* FocusWidget(const Focus& focus) const;
  Focus FocusOf(const QWidget* widget) const;

  // Input (main_window_input.cpp).
  bool HandleKeyPress(QObject* watched, QKeyEvent* event);
  bool HandleSelectorKey(int k, QKeyEvent* event);
  bool HandleListPress(QMouseEvent* event);
  bool IsSelectionPaste(QObject* watched, const QMouseEvent* event) const;
  void HandleFocusIn(QObject* watched, QFocusEvent* event);
  int SelectorIndexOf(const QObject* object) const;
  // Runs an app handler, then draws what it changed.
  void Forward(const std::function<void()>& handler);
  void RunPendingFocusEvents();

  TombolixApp& app_;
  WindowModel& model_;

  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  std::vector<std::pair<QAction*, int>> reportEntries_;  // menu-bar twins of the pane menu, by ReportAction
  QAction* importEntry_ = nullptr;
  QAction* webEntry_ = nullptr;
  QAction* readmeEntry_ = nullptr;
  std::vector<QAction*> idleEntries_;  // the entries that follow the key table's idle rule
  QAction* highContrastEntry_ = nullptr;
  QWidget* focusSink_ = nullptr;
  QGroupBox* numbers_ = nullptr;
  QGroupBox* results_ = nullptr;
  std::array<QComboBox*, 8> selectors_{};
  std::array<QPushButton*, 8> buttons_{};
  std::array<ReportPaneView*, kPaneCount> panes_{};
  ReportPaneView* fondo_ = nullptr;
  std::array<ClickLabel*, 2> maps_{};
  QLabel* status_ = nullptr;
  ClickLabel* ayuda_ = nullptr;
  ClickLabel* boletos_ = nullptr;
  ClickLabel* donacion_ = nullptr;
  QComboBox* lotteries_ = nullptr;
  QListWidget* list_ = nullptr;
  QTimer publicidad_;
  QTimer gameplay_;
  QTimer advertencia_;

  std::array<std::optional<DrawnButton>, 8> drawnButtons_;
  std::array<std::optional<DrawnSelector>, 8> drawnSelectors_;
  std::optional<DrawnLotteries> drawnLotteries_;
  std::optional<DrawnList> drawnList_;
  std::array<std::optional<DrawnLabel>, 2> drawnMaps_;
  std::optional<DrawnLabel> drawnStatus_, drawnAyuda_, drawnBoletos_, drawnDonacion_;
  std::array<bool, kPaneCount> drawnPaneVisible_{};
  std::optional<bool> drawnFondoVisible_;
  DrawnTimer drawnPublicidad_, drawnGameplay_, drawnAdvertencia_;
  int drawnHistoryGeneration_ = 0;
  std::optional<QString> drawnCaption_;
  std::optional<Focus> drawnFocus_;

  bool syncing_ = false;
  bool resyncWanted_ = false;
  std::vector<int> pendingGotFocus_;
};

}  // namespace tombolix
