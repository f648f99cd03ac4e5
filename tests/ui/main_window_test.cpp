#include "app/pane_charts.h"
#include "support/app_test_access.h"
#include "texts/messages.h"
#include "ui/chart_window.h"
#include "ui/sample_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::WaitFor;

class MainWindowTest : public test::SampleWindowTest {
 protected:
  // A key pressed and released where the keyboard focus is.
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = QString()) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), &release);
  }
  void Type(const QString& text) {
    for (const QChar c : text) Press(c.isDigit() ? Qt::Key_0 + (c.unicode() - u'0') : Qt::Key_X, {}, QString(c));
  }

  void ClickListRow(int row) {
    QListWidget* list = window->AnalysisList();
    const QPoint where = list->visualItemRect(list->item(row)).center();
    QMouseEvent press(QEvent::MouseButtonPress, where, list->viewport()->mapToGlobal(where), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, where, list->viewport()->mapToGlobal(where), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &release);
  }

  // Answers the next message box with one of its buttons.
  static void AnswerNextBox(QMessageBox::StandardButton answer) {
    QTimer::singleShot(50, qApp, [answer] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      box->button(answer)->click();
    });
  }
};

TEST_F(MainWindowTest, FirstTimerTickLoadsTheFirstLotteryAndDrawsIt) {
  StartAndLoad();
  EXPECT_TRUE(window->Pane(0)->toPlainText().startsWith(QStringLiteral("       1200 sorteos encontrados\n")));
  for (int i = 1; i < kPaneCount; ++i) EXPECT_FALSE(window->Pane(i)->isVisible()) << "pane " << i;
  EXPECT_FALSE(window->BackgroundPane()->isVisible());
  // A four-digit game: four selectors with their candidates, three unused.
  for (int k = 1; k <= 7; ++k) {
    QComboBox* selector = window->Selector(k);
    EXPECT_EQ(selector->isEnabled(), k <= 4) << k;
    EXPECT_EQ(selector->currentText(), k <= 4 ? QStringLiteral("B%1").arg(k) : QStringLiteral("--")) << k;
    if (k <= 4) {
      EXPECT_EQ(selector->count(), Model().CboBal[static_cast<size_t>(k)].items.size()) << k;
    }
  }
  EXPECT_EQ(QApplication::focusWidget(), window->AnalysisList());
  // A button colour given at run time shows at once, exactly.
  Model().CmdFuncion[4].backColour = MakeRgb(0, 255, 0);
  window->Sync();
  EXPECT_EQ(window->Button(4)->grab().toImage().pixelColor(4, 4), QColor(0, 255, 0));
}

// A chart names its report and lottery, and closes when the lottery changes:
// it never shows the old data under the new lottery.
TEST_F(MainWindowTest, ChartWindowClosesWhenTheLotteryChanges) {
  StartAndLoad();
  AppTestAccess::ShowReportPane(*app, Pane::Frecuencia);
  AppTestAccess::ComputePane(*app, Pane::Frecuencia);
  window->Sync();
  const std::optional<PaneChart> chart = ChartOfPane(*app, Pane::Frecuencia, kChartRandomLists, 1);
  ASSERT_TRUE(chart.has_value());
  const QPointer<QWidget> chartWindow = OpenChartWindow(window.get(), *chart, QStringLiteral("x.png"));
  EXPECT_TRUE(chartWindow->windowTitle().contains(QStringLiteral("Frecuencia - Chance Ejemplo 4 cifras")));
  EXPECT_TRUE(chartWindow->windowTitle().contains(QString::fromUtf8("último sorteo: ")));

  AppTestAccess::ShowReportPane(*app, Pane::Start);  // a pane shown again keeps the chart
  window->Sync();
  EXPECT_TRUE(chartWindow && chartWindow->isVisible());

  bool shownDuringReload = false;
  platform.AttachWindow(window.get(), [&] {
    window->Sync();
    const bool stale = Model().historyGeneration != chart->historyGeneration;
    shownDuringReload |= stale && chartWindow && chartWindow->isVisible();
  });
  app->CboLoteria_Click(1);
  window->Sync();
  EXPECT_EQ(Model().CboLoteria.Text(), QStringLiteral("Loto Ejemplo 6-45"));
  EXPECT_FALSE(shownDuringReload);
  EXPECT_TRUE(!chartWindow || !chartWindow->isVisible());
  EXPECT_TRUE(WaitFor([&] { return chartWindow.isNull(); }));
}

TEST_F(MainWindowTest, SelectorsTakeOnlyTheCharactersTheProgramAccepts) {
  StartAndLoad();
  QComboBox* b1 = window->Selector(1);
  b1->setFocus(Qt::MouseFocusReason);
  ASSERT_TRUE(WaitFor([b1] { return b1->hasFocus(); }));
  EXPECT_EQ(b1->currentText(), QString()) << "a selector empties itself on focus";

  Type(QStringLiteral("1x23"));
  EXPECT_EQ(Model().CboBal[1].text, QStringLiteral("12")) << "digits only, two at most";
  // Nor can text be pasted in.
  QGuiApplication::clipboard()->setText(QStringLiteral("hola"));
  Press(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(b1->currentText(), QStringLiteral("12"));
  Press(Qt::Key_Backspace, {}, QStringLiteral("\b"));
  EXPECT_EQ(Model().CboBal[1].text, QStringLiteral("1"));

  // Enter moves on to the next selector, which empties itself in turn.
  Press(Qt::Key_Return, {}, QStringLiteral("\r"));
  QComboBox* b2 = window->Selector(2);
  EXPECT_EQ(QApplication::focusWidget(), b2);
  EXPECT_EQ(b2->currentText(), QString());

  // Escape reaches the program before the control: LIMPIAR puts the labels back.
  Type(QStringLiteral("7"));
  Press(Qt::Key_Escape, {}, QStringLiteral("\x1b"));
  EXPECT_EQ(b2->currentText(), QStringLiteral("B2"));
  EXPECT_EQ(QApplication::focusWidget(), window->AnalysisList());

  // Picking an item reports its text, and the program sends the focus to the list.
  QComboBox* b3 = window->Selector(3);
  const QString item = b3->itemText(1);
  b3->setCurrentIndex(1);
  Q_EMIT b3->activated(1);
  EXPECT_EQ(Model().CboBal[3].text, item);
  EXPECT_EQ(QApplication::focusWidget(), window->AnalysisList());
}

TEST_F(MainWindowTest, ListRowsAreForwarded) {
  StartAndLoad();
  ClickListRow(3);  // "Frecuencia"
  EXPECT_EQ(Model().LstFormula.selectedRow, 3);
  EXPECT_TRUE(window->Pane(Pane::Frecuencia)->isVisible());
  ASSERT_TRUE(WaitFor([this] { return !Model().busy; }));
  // Up lands on a separator; the program moves the selection to the last row by itself.
  window->AnalysisList()->setFocus();
  Press(Qt::Key_Up);
  EXPECT_EQ(window->AnalysisList()->currentRow(), 22);
}

TEST_F(MainWindowTest, BusyStateCoversThePanesAndKeepsTheFocusOffTheSelectors) {
  StartAndLoad();
  ASSERT_EQ(QApplication::focusWidget(), window->AnalysisList());
  AppTestAccess::EnableControls(*app, false);
  window->Sync();
  for (int k = 0; k < 8; ++k) EXPECT_NE(QApplication::focusWidget(), window->Selector(k));
  EXPECT_TRUE(window->BackgroundPane()->isVisible());
  // Escape reaches the program wherever the focus was parked: the computation is asked to stop.
  Press(Qt::Key_Escape, {}, QStringLiteral("\x1b"));
  EXPECT_TRUE(Model().StopRequested);

  // The report written meanwhile is drawn when the background pane goes.
  Model().RtfReporte[0].report.Append(QStringLiteral("nuevo informe\r\n"));
  AppTestAccess::EnableControls(*app, true);
  window->Sync();
  EXPECT_EQ(QApplication::focusWidget(), window->AnalysisList());
  EXPECT_EQ(window->Pane(0)->toPlainText(), QStringLiteral("nuevo informe\n"));
}

TEST_F(MainWindowTest, ClosingAsksAndAnsweringNoKeepsTheProgram) {
  StartAndLoad();
  AnswerNextBox(QMessageBox::No);
  window->close();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(loopExits, 0);

  AnswerNextBox(QMessageBox::Yes);
  window->close();
  EXPECT_EQ(loopExits, 1);
  EXPECT_EQ(processEnds, 0);
  platform.ProcessEvents();
  EXPECT_EQ(processEnds, 1) << "a computation still running ends with the process";
}

// The link labels follow the app: without a page they are disabled and say so.
TEST_F(MainWindowTest, LinkLabelsWithoutAPageAreDisabledWithATooltip) {
  app->SetWebAddresses(WebAddresses{});
  StartAndLoad();
  int disabledLinks = 0;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->text() == QStringLiteral("Video Ayuda") || label->text() == QStringLiteral("Jugar Ahora") ||
        label->text() == QString::fromUtf16(u"Donación")) {
      EXPECT_FALSE(label->isEnabled());
      EXPECT_EQ(label->toolTip(), NoPageToolTip());
      ++disabledLinks;
    }
  }
  EXPECT_EQ(disabledLinks, 3);
}

}  // namespace
}  // namespace tombolix
