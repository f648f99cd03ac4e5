#include "app/pane_explanations.h"
#include "app/program_settings.h"
#include "ui/pane_context_menu.h"
#include "ui/sample_window.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

// Qt's own test library presses keys through the shortcut map with this.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

namespace tombolix {
namespace {

using test::WaitFor;

class MenuBarTest : public test::SampleWindowTest {
 protected:
  void OpenListRow(int row) {
    app->LstFormula_Click(row);
    window->Sync();
  }

  // The menu-bar entry of a report action; nullptr when the bar has none.
  QAction* BarEntry(ReportAction action) const {
    for (QAction* menu : window->MenuBar()->actions()) {
      for (QAction* entry : menu->menu()->actions()) {
        if (!entry->isSeparator() && entry->data().isValid() && entry->data().toInt() == static_cast<int>(action)) {
          return entry;
        }
      }
    }
    return nullptr;
  }
  QAction* BarEntry(const QString& text) const {
    for (QAction* menu : window->MenuBar()->actions()) {
      for (QAction* entry : menu->menu()->actions()) {
        if (entry->text().section(u'\t', 0, 0) == text) return entry;
      }
    }
    return nullptr;
  }

  // Every report entry of the bar is enabled exactly as in the shown pane's
  // context menu; one the context menu lacks is disabled.
  void ExpectBarMatchesContextMenu() {
    const int pane = window->ShownPane();
    ASSERT_GE(pane, 0);
    QMenu context;
    FillPaneMenu(context, *app, pane);
    for (const ReportAction action :
         {ReportAction::Copy, ReportAction::SaveHtml, ReportAction::SavePdf, ReportAction::Print, ReportAction::Chart,
          ReportAction::Chance, ReportAction::Explain}) {
      bool twinEnabled = false;
      for (const QAction* twin : context.actions()) {
        if (!twin->isSeparator() && twin->data().toInt() == static_cast<int>(action)) twinEnabled = twin->isEnabled();
      }
      QAction* entry = BarEntry(action);
      ASSERT_NE(entry, nullptr) << static_cast<int>(action);
      EXPECT_EQ(entry->isEnabled(), twinEnabled) << "pane " << pane << ", action " << static_cast<int>(action);
    }
  }
};

TEST_F(MenuBarTest, TheClientAreaKeepsItsSizeAndPlacesBelowTheBar) {
  StartAndLoad();
  QWidget* client = window->ClientArea();
  EXPECT_EQ(client->size(), QSize(MainWindow::kClientWidth, MainWindow::kClientHeight));
  EXPECT_EQ(client->y(), window->MenuBar()->height());
  EXPECT_EQ(window->height(), MainWindow::kClientHeight + window->MenuBar()->height());
  EXPECT_EQ(window->width(), MainWindow::kClientWidth);
  // The analysis list explains its rows.
  EXPECT_EQ(window->AnalysisList()->item(3)->toolTip(), AnalysisRowToolTip(3));
  EXPECT_FALSE(window->AnalysisList()->item(3)->toolTip().isEmpty());
}

TEST_F(MenuBarTest, EntriesAreEnabledExactlyAsTheirContextMenuTwins) {
  StartAndLoad();
  ExpectBarMatchesContextMenu();  // the start pane: no chart, no comparison
  OpenListRow(3);                 // "Frecuencia": a chart
  ASSERT_EQ(window->ShownPane(), Pane::Frecuencia);
  ExpectBarMatchesContextMenu();
  EXPECT_TRUE(BarEntry(ReportAction::Chart)->isEnabled());
  OpenListRow(10);  // "Pronóstico por Ciclo": a comparison with chance
  ExpectBarMatchesContextMenu();
  EXPECT_TRUE(BarEntry(ReportAction::Chance)->isEnabled());
  EXPECT_TRUE(BarEntry(QStringLiteral("Importar historial…"))->isEnabled());
  EXPECT_TRUE(BarEntry(QStringLiteral("Léame"))->isEnabled());

  // Busy: only the explanation and Salir stay.
  app->Model().busy = true;
  window->Sync();
  ExpectBarMatchesContextMenu();
  for (QAction* menu : window->MenuBar()->actions()) {
    for (QAction* entry : menu->menu()->actions()) {
      const bool stays = entry->isSeparator() || entry == BarEntry(ReportAction::Explain) ||
                         entry == BarEntry(QStringLiteral("Salir"));
      EXPECT_EQ(entry->isEnabled(), stays) << entry->text().toStdString();
    }
  }
  app->Model().busy = false;
  window->Sync();
}

// The bar adds no shortcut of its own: every key is the key table's.
TEST_F(MenuBarTest, MenusAddNoShortcut) {
  for (QAction* menu : window->MenuBar()->actions()) {
    for (QAction* entry : menu->menu()->actions())
      EXPECT_TRUE(entry->shortcut().isEmpty()) << entry->text().toStdString();
  }
}

// Alt and a menu's letter opens that menu; Alt and a key-table letter keeps its action.
TEST_F(MenuBarTest, AltLettersOpenMenusOnlyWhereTheKeyTableLeavesThemFree) {
  StartAndLoad();
  QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
  EXPECT_TRUE(qt_sendShortcutOverrideEvent(focus, 0, Qt::Key_V, Qt::AltModifier, QStringLiteral("v"), false, 1));
  ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
  QApplication::activePopupWidget()->close();
  EXPECT_FALSE(qt_sendShortcutOverrideEvent(focus, 0, Qt::Key_W, Qt::AltModifier, QStringLiteral("w"), false, 1));
}

TEST_F(MenuBarTest, ExplanationOpensAsAChildPageEvenForAnEmptyPane) {
  StartAndLoad();
  OpenListRow(3);
  app->Model().RtfReporte[Pane::Frecuencia].report.SetText(QStringLiteral(" "));
  window->Sync();
  QAction* explain = BarEntry(ReportAction::Explain);
  ASSERT_TRUE(explain->isEnabled());
  explain->trigger();
  QDialog* page = window->findChild<QDialog*>();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->parentWidget(), window.get());
  EXPECT_TRUE(page->isVisible());
}

// The first coloured run of a pane's first paragraphs.
QColor FirstRunColour(ReportPaneView* pane) {
  for (QTextBlock b = pane->document()->begin(); b.isValid(); b = b.next()) {
    const auto formats = b.layout()->formats();
    if (!formats.isEmpty()) return formats.first().format.foreground().color();
  }
  return {};
}

TEST_F(MenuBarTest, HighContrastRepaintsThePanesAndIsRemembered) {
  StartAndLoad();
  OpenListRow(3);
  ReportPaneView* pane = window->Pane(Pane::Frecuencia);
  const QColor before = FirstRunColour(pane);
  const ReportText& report = app->Model().RtfReporte[Pane::Frecuencia].report;
  const Rgb own = report.StyleAt(report.Length() / 2).colour;
  QAction* highContrast = BarEntry(QStringLiteral("Colores de alto contraste"));
  ASSERT_NE(highContrast, nullptr);
  EXPECT_FALSE(highContrast->isChecked()) << "off by default";
  highContrast->trigger();
  const QColor after = FirstRunColour(pane);
  EXPECT_NE(before, after);
  // The report keeps the program's own colours.
  EXPECT_EQ(report.StyleAt(report.Length() / 2).colour, own);
  EXPECT_TRUE(ProgramSettings(programFolder).Value(QStringLiteral("Ver/AltoContraste")).toBool());
  Open();
  EXPECT_TRUE(BarEntry(QStringLiteral("Colores de alto contraste"))->isChecked());
  BarEntry(QStringLiteral("Colores de alto contraste"))->trigger();
  EXPECT_FALSE(ProgramSettings(programFolder).Value(QStringLiteral("Ver/AltoContraste")).toBool());
}

}  // namespace
}  // namespace tombolix
