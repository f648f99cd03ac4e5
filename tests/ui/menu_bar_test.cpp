#include "app/pane_explanations.h"
#include "app/program_settings.h"
#include "support/test_files.h"
#include "ui/event_loop_wait.h"
#include "ui/main_window.h"
#include "ui/pane_context_menu.h"
#include "ui/qt_platform.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <memory>

// Qt's own test library presses keys through the shortcut map with this.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

namespace tombolix {
namespace {

using test::WaitFor;

// The window on the bundled sample lotteries, in a temporary program folder.
class MenuBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp.IsValid());
    programFolder = temp.MakeFolder(QStringLiteral("Tombolix"));
    const QDir samples(QStringLiteral(TOMBOLIX_SOURCE_DIR "/data/Historiales"));
    for (const QString& name : samples.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
      temp.Write(QStringLiteral("Tombolix/Historiales/") + name, test::ReadFile(samples.filePath(name)));
    }
    temp.Write(QStringLiteral("Escritorio/Tombolix.desktop"), "[Desktop Entry]\n");
    platform.SetDesktopFolder(temp.FilePath(QStringLiteral("Escritorio")));
    platform.SetUrlOpener([](const QUrl&) { return true; });
    platform.SetQuitActions([] {}, [] {});
    Open();
  }

  void Open() {
    window.reset();
    app = std::make_unique<TombolixApp>(platform, programFolder);
    app->SetSoundEnabled(false);
    window = std::make_unique<MainWindow>(*app);
    platform.AttachWindow(window.get(), [this] { window->Sync(); });
  }

  void StartAndLoad() {
    ASSERT_TRUE(app->Start());
    window->Sync();
    window->show();
    ASSERT_TRUE(WaitFor([this] { return app->Model().history.DrawCount > 0 && app->Model().RtfReporte[0].visible; }));
  }

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
    for (const ReportAction action : {ReportAction::Copy, ReportAction::SaveHtml, ReportAction::SavePdf,
                                      ReportAction::Print, ReportAction::Chart, ReportAction::Chance,
                                      ReportAction::Explain}) {
      bool twinEnabled = false;
      for (const QAction* twin : context.actions()) {
        if (!twin->isSeparator() && twin->data().toInt() == static_cast<int>(action)) twinEnabled = twin->isEnabled();
      }
      QAction* entry = BarEntry(action);
      ASSERT_NE(entry, nullptr) << static_cast<int>(action);
      EXPECT_EQ(entry->isEnabled(), twinEnabled) << "pane " << pane << ", action " << static_cast<int>(action);
    }
  }

  test::TempFolder temp;
  QString programFolder;
  QtPlatform platform;
  std::unique_ptr<TombolixApp> app;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MenuBarTest, TheClientAreaKeepsItsSizeAndPlacesBelowTheBar) {
  StartAndLoad();
  QWidget* client = window->ClientArea();
  EXPECT_EQ(client->size(), QSize(MainWindow::kClientWidth, MainWindow::kClientHeight));
  EXPECT_EQ(client->y(), window->MenuBar()->height());
  EXPECT_EQ(window->height(), MainWindow::kClientHeight + window->MenuBar()->height());
  EXPECT_EQ(window->width(), MainWindow::kClientWidth);
  EXPECT_EQ(window->Button(0)->mapTo(client, QPoint(0, 0)), QPoint(7410 / 15, 495 / 15));
  EXPECT_EQ(window->LotteryBox()->mapTo(client, QPoint(0, 0)), QPoint(7425 / 15, 1860 / 15));
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
  EXPECT_FALSE(BarEntry(ReportAction::Copy)->isEnabled());
  EXPECT_TRUE(BarEntry(ReportAction::Explain)->isEnabled());
  EXPECT_FALSE(BarEntry(QStringLiteral("Importar historial…"))->isEnabled());
  EXPECT_FALSE(BarEntry(QStringLiteral("Actualizar desde la web…"))->isEnabled());
  for (const char16_t* idleOnly :
       {u"Léame", u"Atajos de teclado", u"Acerca de Tombolix", u"Colores de alto contraste", u"Reducciones…",
        u"Comprobar jugadas…"}) {
    EXPECT_FALSE(BarEntry(QString::fromUtf16(idleOnly))->isEnabled());
  }
  EXPECT_TRUE(BarEntry(QStringLiteral("Salir"))->isEnabled());
  app->Model().busy = false;
  window->Sync();
}

// The bar's mnemonics avoid the key table's letters and it adds no shortcut.
TEST_F(MenuBarTest, MenusUseFreeMnemonicsAndNoShortcut) {
  QStringList titles;
  for (QAction* menu : window->MenuBar()->actions()) {
    titles.append(menu->text());
    for (QAction* entry : menu->menu()->actions()) EXPECT_TRUE(entry->shortcut().isEmpty()) << entry->text().toStdString();
  }
  EXPECT_EQ(titles, QStringList({QStringLiteral("Archi&vo"), QStringLiteral("&Informe"), QStringLiteral("&Jugadas"),
                                 QStringLiteral("Ayuda")}));
  EXPECT_EQ(BarEntry(QStringLiteral("Léame"))->text(), QStringLiteral("Léame\tCtrl+F1"));
}

// Alt and a menu's letter opens that menu; Alt and a key-table letter keeps its action.
TEST_F(MenuBarTest, AltLettersOpenMenusOnlyWhereTheKeyTableLeavesThemFree) {
  StartAndLoad();
  window->activateWindow();
  ASSERT_TRUE(WaitFor([this] { return QApplication::activeWindow() == window.get(); }));
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
