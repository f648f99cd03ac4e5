#include "ui/chart_window.h"

#include "ui/display_colours.h"
#include "ui/report_export_actions.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <map>

namespace tombolix {

namespace {

QColor ToColor(Rgb c) { return DisplayColour(c); }

void SavePng(QWidget* parent, QWidget* view, const QString& suggestedName) {
  const QString path = AskSavePath(parent, QStringLiteral("Guardar como PNG"), suggestedName,
                                   QStringLiteral("Imágenes PNG (*.png)"), QStandardPaths::PicturesLocation);
  if (path.isEmpty()) return;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!view->grab().save(&buffer, "PNG")) bytes.clear();
  SaveOrTell(parent, path, bytes, QStringLiteral("no se pudo preparar la imagen"));
}

constexpr char kGenerationProperty[] = "tombolixHistoryGeneration";
const QString kChartWindowName = QStringLiteral("ChartWindow");

}  // namespace

QWidget* MakeChartView(const ChartTab& tab, QWidget* parent) {
  // One bar set per colour, stacked: each category holds one non-zero bar, so
  // every bar keeps the colour of its own mark.
  std::map<Rgb, QBarSet*> sets;
  auto* series = new QStackedBarSeries;
  QStringList categories;
  int highest = 0;
  for (const ChartBar& bar : tab.bars) {
    if (sets.find(bar.colour) == sets.end()) {
      auto* set = new QBarSet(QString());
      set->setColor(ToColor(bar.colour));
      set->setBorderColor(ToColor(bar.colour));
      for (qsizetype i = 0; i < categories.size(); ++i) set->append(0);
      sets[bar.colour] = set;
      series->append(set);
    }
    for (auto& [colour, set] : sets) set->append(colour == bar.colour ? bar.height : 0);
    categories << bar.label;
    highest = std::max(highest, bar.height);
  }
  series->setBarWidth(0.8);
  auto* chart = new QChart;
  chart->addSeries(series);
  chart->legend()->hide();
  chart->setAnimationOptions(QChart::NoAnimation);
  auto* xAxis = new QBarCategoryAxis;
  xAxis->append(categories);
  xAxis->setTitleText(tab.xTitle);
  auto* yAxis = new QValueAxis;
  yAxis->setRange(0, std::max(highest, 1));
  yAxis->setLabelFormat(QStringLiteral("%d"));
  yAxis->applyNiceNumbers();
  yAxis->setTitleText(tab.yTitle);
  chart->addAxis(xAxis, Qt::AlignBottom);
  chart->addAxis(yAxis, Qt::AlignLeft);
  series->attachAxis(xAxis);
  series->attachAxis(yAxis);
  if (tab.markedBar >= 0) {
    // A red line through the marked category, visible even where no bar stands.
    auto* marker = new QLineSeries;
    marker->append(tab.markedBar, 0);
    marker->append(tab.markedBar, yAxis->max());
    marker->setPen(QPen(ToColor(MakeRgb(255, 0, 0)), 3));
    chart->addSeries(marker);
    marker->attachAxis(xAxis);
    marker->attachAxis(yAxis);
  }
  auto* view = new QChartView(chart, parent);
  view->setRenderHint(QPainter::Antialiasing);
  return view;
}

QWidget* OpenChartWindow(QWidget* parent, const PaneChart& chart, const QString& suggestedPngName) {
  auto* window = new QDialog(parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setObjectName(kChartWindowName);
  window->setProperty(kGenerationProperty, chart.historyGeneration);
  window->setWindowTitle(chart.title);
  auto* tabs = new QTabWidget(window);
  for (const ChartTab& tab : chart.tabs) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QWidget* view = MakeChartView(tab, page);
    static_cast<QChartView*>(view)->chart()->setTitle(
        chart.tabs.size() > 1 ? chart.title + QStringLiteral(" - ") + tab.name : chart.title);
    layout->addWidget(view, 1);
    if (!tab.note.isEmpty()) {
      auto* note = new QLabel(tab.note, page);
      note->setWordWrap(true);
      layout->addWidget(note);
    }
    tabs->addTab(page, tab.name);
  }
  auto* save = new QPushButton(QStringLiteral("Guardar como PNG…"), window);
  auto* close = new QPushButton(QStringLiteral("Cerrar"), window);
  QObject::connect(close, &QPushButton::clicked, window, &QDialog::close);
  QObject::connect(save, &QPushButton::clicked, window, [window, tabs, suggestedPngName] {
    if (QWidget* page = tabs->currentWidget()) {
      const QString name =
          tabs->count() > 1
              ? QString(suggestedPngName)
                    .replace(QStringLiteral(".png"),
                             QStringLiteral(" ") + tabs->tabText(tabs->currentIndex()) + QStringLiteral(".png"))
              : suggestedPngName;
      SavePng(window, page, name);
    }
  });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(save);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(window);
  layout->addWidget(tabs, 1);
  layout->addLayout(buttons);
  window->resize(760, 480);
  window->show();
  return window;
}

void CloseStaleChartWindows(QWidget* parent, int historyGeneration) {
  if (parent == nullptr) return;
  for (QDialog* window : parent->findChildren<QDialog*>(kChartWindowName, Qt::FindDirectChildrenOnly)) {
    if (window->property(kGenerationProperty).toInt() != historyGeneration) window->close();
  }
}

}  // namespace tombolix
