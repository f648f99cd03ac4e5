#include "ui/tickets_window.h"

#include "app/tickets_flow.h"
#include "history/loader.h"
#include "support/test_files.h"
#include "ui/event_loop_wait.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

// Opened with tickets, the window checks them at once; Escape closes it.
TEST(TicketsWindow, ChecksWhatItIsGivenAndClosesWithEscape) {
  test::TempFolder folder;
  TicketsRequest request;
  request.history =
      ParseHistory(QByteArrayLiteral("01/01/2020,1,2,3,4,5\r\n02/01/2020,2,4,6,8,10\r\n03/01/2020,6,7,8,9,10\r\n"))
          .history;
  request.lottery = QStringLiteral("Sorteo");
  request.programFolder = folder.Path();
  request.text = QStringLiteral("1 2 3 4 5\n1 2\n");
  QPointer<QWidget> window = OpenTicketsWindow(nullptr, request);
  ASSERT_TRUE(window);
  const auto* report = window->findChild<QPlainTextEdit*>(QStringLiteral("TicketsReport"));
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(report->toPlainText().contains(QStringLiteral("JUGADA 1")));
  EXPECT_TRUE(report->toPlainText().contains(QStringLiteral("Línea 2")));
  EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("TicketsStatus"))
                  ->text()
                  .startsWith(QStringLiteral("1 jugada comprobada")));
  auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("TicketsText"));
  text->setFocus();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(text, &escape);
  EXPECT_TRUE(test::WaitFor([&window] { return window.isNull(); }));
}

}  // namespace
}  // namespace tombolix
