#include "ui/key_codes.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QWindowStateChangeEvent>

namespace tombolix {

namespace {

// The character a key types, as the selectors read it: its text, or the
// control code of Enter, Backspace and Escape. Null for keys that type nothing
// (arrows, Delete, function keys) and for Tab, which moves the focus.
QChar TypedCharacter(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return QChar();
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return QChar(13);
    case Qt::Key_Backspace:
      return QChar(8);
    case Qt::Key_Escape:
      return QChar(27);
    default:
      break;
  }
  const QString text = event.text();
  return text.isEmpty() ? QChar() : text.at(0);
}

bool IsPrintable(const QKeyEvent& event) {
  const QString text = event.text();
  return !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      return HandleKeyPress(watched, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
      HandleFocusIn(watched, static_cast<QFocusEvent*>(event));
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (watched == list_->viewport()) return HandleListPress(static_cast<QMouseEvent*>(event));
      return IsSelectionPaste(watched, static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
      return IsSelectionPaste(watched, static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
      // Dragging over the list would move its selection row by row.
      return watched == list_->viewport() && static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton;
    case QEvent::Wheel:
      // The wheel does not pick selector items or lotteries.
      return qobject_cast<QComboBox*>(watched) != nullptr;
    default:
      return false;
  }
}

bool MainWindow::HandleKeyPress(QObject* watched, QKeyEvent* event) {
  // A key travels up from the focused control to its parents when it is not
  // used; the window handles it once, where it arrived: at the focused
  // control, or at the window itself when no control has the focus.
  QWidget* holder = QApplication::focusWidget();
  if (watched != (holder ? static_cast<QObject*>(holder) : static_cast<QObject*>(this))) return false;
  if (QApplication::activeModalWidget()) return false;

  const QPointer<QObject> target(watched);
  const VirtualKey key = ToVirtualKey(*event);
  // A key that only hid the warning goes no further.
  const bool warned = WarningShown(model_) && !model_.busy;
  if (key.code != 0) Forward([this, key] { app_.KeyDown(key.code, key.modifiers); });
  if (!target || (warned && key.code != 0)) return true;
  const auto* widget = static_cast<QWidget*>(target.data());
  // The key's control may have been disabled by what the key did.
  if (!widget->isEnabled() || !widget->isVisible()) return true;
  // Alt chords type nothing.
  const Qt::KeyboardModifiers mods = event->modifiers();
  if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !event->text().isEmpty()) return true;

  const int k = SelectorIndexOf(watched);
  if (k >= 0) return HandleSelectorKey(k, event);
  // Typed characters go to the list's own key handler, which drops them: letters
  // never move its selection.
  if (watched == list_ && IsPrintable(*event)) {
    bool used = false;
    Forward([this, c = event->text().at(0), &used] { used = app_.LstFormula_KeyPress(c); });
    return !used;
  }
  return false;
}

bool MainWindow::HandleSelectorKey(int k, QKeyEvent* event) {
  const QChar c = TypedCharacter(*event);
  // Shift+Insert pastes without typing a character; it would bring in any text.
  if (c.isNull()) return event->matches(QKeySequence::Paste);
  bool accepted = false;
  Forward([this, k, c, &accepted] { accepted = app_.CboBal_KeyPress(k, c); });
  // Accepted characters edit the text as usual; the edit is reported back.
  return !accepted;
}

bool MainWindow::HandleListPress(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !list_->isEnabled()) return true;
  list_->setFocus(Qt::MouseFocusReason);
  if (event->type() == QEvent::MouseButtonDblClick) return true;
  const int row = list_->indexAt(event->position().toPoint()).row();
  if (row >= 0) Forward([this, row] { app_.LstFormula_Click(row); });
  return true;
}

void MainWindow::HandleFocusIn(QObject* watched, QFocusEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return;
  const Focus focus = FocusOf(widget);
  model_.focus = focus;
  drawnFocus_ = focus;
  if (focus.target != FocusTarget::CboBal) return;
  // Coming back to the window or closing a selector's list is no new focus.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
  if (syncing_) {
    pendingGotFocus_.push_back(focus.index);
  } else {
    Forward([this, k = focus.index] { app_.CboBal_GotFocus(k); });
  }
}

// The middle button pastes the X11 selection into a text field; a selector
// takes no text but what is typed into it.
bool MainWindow::IsSelectionPaste(QObject* watched, const QMouseEvent* event) const {
  return event->button() == Qt::MiddleButton && SelectorIndexOf(watched) >= 0;
}

int MainWindow::SelectorIndexOf(const QObject* object) const {
  for (int k = 0; k < 8; ++k) {
    const QComboBox* box = selectors_[static_cast<size_t>(k)];
    if (object == box || object == box->lineEdit()) return k;
  }
  return -1;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool mayClose = false;
  Forward([this, &mayClose] { mayClose = app_.QueryClose(); });
  if (!mayClose) {
    event->ignore();
    return;
  }
  event->accept();
  // Closing the window ends the program, even in the middle of a computation.
  app_.Host().Quit();
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const auto* change = static_cast<QWindowStateChangeEvent*>(event);
  const bool wasMinimised = (change->oldState() & Qt::WindowMinimized) != 0;
  if (wasMinimised && !isMinimized()) Forward([this] { app_.WindowRestored(); });
}

}  // namespace tombolix
