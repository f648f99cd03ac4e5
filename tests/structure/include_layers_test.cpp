// Reads every #include of src/ and tools/ and checks it against the table of
// allowed arrows in src/layers.txt: no include runs up a layer, and nothing
// below the view reaches for a widget, GUI or multimedia module.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString kSourceDir = QStringLiteral(TOMBOLIX_SOURCE_DIR);

using Layers = QHash<QString, QSet<QString>>;

Layers ReadLayers() {
  QFile file(kSourceDir + QStringLiteral("/src/layers.txt"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  Layers layers;
  for (const QString& raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    const QString name = line.left(colon).trimmed();
    QSet<QString> allowed{name};
    for (const QString& used : line.mid(colon + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts)) allowed.insert(used);
    layers.insert(name, allowed);
  }
  return layers;
}

// The layer a file belongs to: "app" for src/app/x.cpp, "tools/report" for
// tools/report/x.cpp, "main.cpp" for src/main.cpp.
QString LayerOf(const QString& relative) {
  const QStringList parts = relative.split(QLatin1Char('/'));
  if (parts[0] == QLatin1String("tools")) return parts[0] + QLatin1Char('/') + parts[1];
  return parts[1];
}

// Qt modules only the view may use.
bool IsViewOnlyQtInclude(const QString& header) {
  static const QRegularExpression module(
      QStringLiteral("^Qt(Gui|Widgets|Network|Multimedia|MultimediaWidgets|PrintSupport|Charts|Svg|OpenGL)/"));
  static const QRegularExpression viewClass(QStringLiteral(
      "^Q(Widget|Application|GuiApplication|MainWindow|Dialog|MessageBox|PlainTextEdit|TextEdit|Label|PushButton|"
      "ComboBox|ListWidget|Painter|Pixmap|Image|Icon|Color|Font|FontDatabase|Palette|KeyEvent|MouseEvent|"
      "TextDocument|TextCursor|TextCharFormat|TextLayout|TextBlock|DesktopServices|Clipboard|Screen|Window|"
      "MediaPlayer|AudioOutput|SoundEffect|Action|Menu|Style|StyleFactory|"
      "Network[A-Za-z]*|Tcp[A-Za-z]*|Ssl[A-Za-z]*)$"));
  return module.match(header).hasMatch() || viewClass.match(header).hasMatch();
}

struct Violation {
  QString file;
  QString include;
};

std::vector<Violation> FindViolations(const Layers& layers) {
  static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"));
  std::vector<Violation> found;
  for (const QString& root : {QStringLiteral("src"), QStringLiteral("tools")}) {
    QDirIterator it(kSourceDir + QLatin1Char('/') + root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      const QString relative = QDir(kSourceDir).relativeFilePath(path);
      const QString layer = LayerOf(relative);
      const bool view = layer == QLatin1String("ui") || layer == QLatin1String("main.cpp");
      QFile file(path);
      if (!file.open(QIODevice::ReadOnly)) continue;
      for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = include.match(line);
        if (!m.hasMatch()) continue;
        const QString header = m.captured(2);
        if (m.captured(1) == QLatin1String("<")) {
          if (!view && IsViewOnlyQtInclude(header)) found.push_back({relative, header});
          continue;
        }
        if (!header.contains(QLatin1Char('/'))) continue;  // a header beside the file
        const QString target = header.section(QLatin1Char('/'), 0, 0);
        if (!layers.value(layer).contains(target)) found.push_back({relative, header});
      }
    }
  }
  return found;
}

TEST(IncludeLayers, EveryIncludeRunsDownOrStaysInItsLayer) {
  const Layers layers = ReadLayers();
  ASSERT_TRUE(layers.contains(QStringLiteral("app")));
  // Every folder of src/ has its row, so a new folder cannot slip past the table.
  for (const QString& folder : QDir(kSourceDir + QStringLiteral("/src")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    EXPECT_TRUE(layers.contains(folder)) << "src/layers.txt has no row for " << folder.toStdString();
  }
  for (const Violation& v : FindViolations(layers)) {
    ADD_FAILURE() << v.file.toStdString() << " includes " << v.include.toStdString();
  }
}

TEST(IncludeLayers, TheTableHasNoCycle) {
  const Layers layers = ReadLayers();
  // Depth-first search from every layer; reaching the start again is a cycle.
  for (auto it = layers.begin(); it != layers.end(); ++it) {
    QList<QString> stack;
    for (const QString& used : it.value()) {
      if (used != it.key()) stack.append(used);
    }
    QSet<QString> seen;
    while (!stack.isEmpty()) {
      const QString next = stack.takeLast();
      ASSERT_NE(next, it.key()) << "cycle through " << it.key().toStdString();
      if (seen.contains(next)) continue;
      seen.insert(next);
      for (const QString& used : layers.value(next)) {
        if (used != next) stack.append(used);
      }
    }
  }
}

}  // namespace
