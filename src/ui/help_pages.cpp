#include "ui/help_pages.h"

#include "app/key_help.h"
#include "app/pane_explanations.h"
#include "app/pane_table.h"
#include "texts/messages.h"
#include "ui/display_colours.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tombolix {

namespace {

QString Text(const char16_t* text) { return QString::fromUtf16(text).toHtmlEscaped(); }

QString Swatch(Rgb colour) {
  return QStringLiteral("<span style=\"color:%1; font-family:monospace; font-weight:bold\">07</span>")
      .arg(DisplayColour(colour).name());
}

// The report's name without the program's name in front.
QString ReportName(int pane) {
  if (pane == Pane::Start) return QStringLiteral("BUSCAR: sorteos parecidos");
  QString title = PaneTitle(pane);
  const QString prefix = MessageTitle(QString());
  if (title.startsWith(prefix)) title.remove(0, prefix.size());
  return title;
}

QWidget* ShowPage(QWidget* mainWindow, const QString& title, const QString& html) {
  auto* page = new QDialog(mainWindow);
  page->setAttribute(Qt::WA_DeleteOnClose);
  page->setWindowTitle(title);
  page->setModal(false);
  auto* layout = new QVBoxLayout(page);
  auto* text = new QTextBrowser(page);
  text->setOpenLinks(false);
  text->setHtml(html);
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, page);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Cerrar"));
  QObject::connect(buttons, &QDialogButtonBox::rejected, page, &QDialog::close);
  layout->addWidget(buttons);
  page->resize(520, 440);
  page->show();
  page->raise();
  page->activateWindow();
  return page;
}

}  // namespace

QString ExplanationHtml(int pane) {
  const PaneExplanation& e = ExplanationOf(pane);
  QString html = QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p>")
                     .arg(ReportName(pane).toHtmlEscaped(), Text(e.summary), Text(e.lines));
  if (!e.codes.empty()) {
    html += QStringLiteral("<p><b>Códigos</b></p><table cellspacing=\"4\">");
    for (const CodeKey& k : e.codes) {
      html += QStringLiteral("<tr><td><b><tt>%1</tt></b></td><td>%2</td></tr>").arg(Text(k.code), Text(k.meaning));
    }
    html += QStringLiteral("</table>");
  }
  if (!e.colours.empty()) {
    html += QStringLiteral("<p><b>Colores</b></p><table cellspacing=\"4\">");
    for (const ColourKey& k : e.colours) {
      html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(Swatch(k.colour), Text(k.meaning));
    }
    html += QStringLiteral("</table>");
  }
  if (e.limit != nullptr) html += QStringLiteral("<p><i>%1</i></p>").arg(Text(e.limit));
  return html;
}

QWidget* ShowExplanationPage(QWidget* mainWindow, int pane) {
  return ShowPage(mainWindow, MessageTitle(QStringLiteral("¿Qué muestra este informe?")), ExplanationHtml(pane));
}

QWidget* ShowKeyTablePage(QWidget* mainWindow) {
  QString html = QStringLiteral(
      "<h3>Atajos de teclado</h3><p>Actúan cuando el programa no está calculando. Las letras actúan también con "
      "Mayús o Alt; Esc detiene un cálculo largo.</p><table cellspacing=\"4\">");
  for (const KeyHelp& line : KeyHelpLines()) {
    html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                .arg(line.keys.toHtmlEscaped(), line.action.toHtmlEscaped());
  }
  html += QStringLiteral("</table>");
  return ShowPage(mainWindow, MessageTitle(QStringLiteral("Atajos de teclado")), html);
}

QWidget* ShowAboutPage(QWidget* mainWindow) {
  const QString html =
      QStringLiteral("<h3>%1</h3><p>Análisis del historial de resultados de loterías.</p><p>Qt %2</p>")
          .arg(ProgramCaption().toHtmlEscaped(), QString::fromLatin1(qVersion()));
  return ShowPage(mainWindow, MessageTitle(QStringLiteral("Acerca de Tombolix")), html);
}

}  // namespace tombolix
