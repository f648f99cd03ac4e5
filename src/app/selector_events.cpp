#include "app/key_codes.h"
#include "app/tombolix_app.h"

namespace tombolix {

namespace {
bool IsSelector(int k) { return k >= 1 && k <= kMaxPositions; }
}  // namespace

void TombolixApp::CboBal_SetText(int k, const QString& text) {
  if (IsSelector(k)) model_.CboBal[static_cast<size_t>(k)].text = text;
}

void TombolixApp::CboBal_Click(int /*k*/) { model_.focus = Focus{FocusTarget::LstFormula, 0}; }

void TombolixApp::CboBal_GotFocus(int k) {
  if (!IsSelector(k)) return;
  model_.focus = Focus{FocusTarget::CboBal, k};
  model_.CboBal[static_cast<size_t>(k)].text.clear();
}

// Enter moves on to the next selector (BUSCAR after the last one); only
// digits, Backspace and Escape may edit, and at most two characters are typed.
bool TombolixApp::CboBal_KeyPress(int k, QChar c) {
  if (!IsSelector(k)) return false;
  const char16_t code = c.unicode();
  if (code == KeyCode::Enter) {
    model_.focus =
        k >= model_.history.PositionCount ? Focus{FocusTarget::CmdFuncion, 0} : Focus{FocusTarget::CboBal, k + 1};
    return false;
  }
  const bool editing = code == KeyCode::Backspace || code == KeyCode::Escape || (code >= u'0' && code <= u'9');
  if (!editing) {
    platform_.Beep();
    return false;
  }
  const QString& text = model_.CboBal[static_cast<size_t>(k)].text;
  return text == QStringLiteral("--") || text.size() < 2 || code == KeyCode::Backspace;
}

}  // namespace tombolix
