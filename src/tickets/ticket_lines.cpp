#include "tickets/ticket_lines.h"

#include "codec/ansi_codec.h"
#include "combinations/list_file.h"
#include "files/file_io.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <array>

namespace tombolix {

namespace {

// A tickets file is a few thousand short lines; anything far larger is not one.
constexpr qint64 kTicketsFileLimit = 4 * 1024 * 1024;

bool IsSeparator(QChar c) {
  return c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('-') ||
         c == QLatin1Char(':') || c == QLatin1Char('+');
}

// The reason a line whose number groups are `groups` is not a ticket of
// `shape`; empty when it is one, with its numbers in `numbers`.
QString Refusal(const QVector<QStringView>& groups, const GameShape& shape, QVector<quint8>* numbers) {
  // The extras a player picks (a Powerball, the stars) may be left out: the
  // ticket then plays its main numbers only.
  const bool mainOnly = shape.TicketExtras() > 0 && groups.size() == shape.mainCount;
  if (groups.size() != shape.TicketSize() && !mainOnly) {
    QString sizes = QString::number(shape.TicketSize());
    if (shape.TicketExtras() > 0) sizes += QStringLiteral(" (o %1 sin los extra)").arg(shape.mainCount);
    return QStringLiteral("tiene %1 %2 y una jugada de este juego tiene %3")
        .arg(groups.size())
        .arg(groups.size() == 1 ? QStringLiteral("número") : QStringLiteral("números"))
        .arg(sizes);
  }
  std::array<bool, 100> seenMain{};
  std::array<bool, 100> seenExtra{};
  for (qsizetype i = 0; i < groups.size(); ++i) {
    const bool extra = i >= shape.mainCount;
    const int low = extra ? shape.extraLow : shape.mainLow;
    const int high = extra ? shape.extraHigh : shape.mainHigh;
    // Groups of more than two digits are beyond any game.
    const int n = groups[i].size() > 2 ? 100 : groups[i].toInt();
    if (n < low || n > high) {
      return QStringLiteral("el %1 no sale en este juego (%2 del %3 al %4)")
          .arg(groups[i])
          .arg(extra ? QStringLiteral("los extra van") : QStringLiteral("los números van"))
          .arg(low)
          .arg(high);
    }
    if (shape.kind == GameKind::Pool) {
      std::array<bool, 100>& seen = extra ? seenExtra : seenMain;
      if (seen[static_cast<size_t>(n)]) return QStringLiteral("el %1 está repetido").arg(n);
      seen[static_cast<size_t>(n)] = true;
    }
    numbers->append(static_cast<quint8>(n));
  }
  return QString();
}

bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The groups of digits of a line, or why it has something else. In a digit
// game a lone group of one digit per position stands for the digits.
QString SplitGroups(QStringView line, const GameShape& shape, QVector<QStringView>* groups) {
  qsizetype start = -1;
  for (qsizetype i = 0; i <= line.size(); ++i) {
    const bool end = i == line.size() || IsSeparator(line[i]);
    if (!end && !IsAsciiDigit(line[i])) {
      // Name the whole word the character stands in.
      const qsizetype from = start >= 0 ? start : i;
      qsizetype to = i;
      while (to < line.size() && !IsSeparator(line[to])) ++to;
      return QStringLiteral("«%1» no es un número").arg(line.mid(from, to - from));
    }
    if (end && start >= 0) {
      groups->append(line.mid(start, i - start));
      start = -1;
    } else if (!end && start < 0) {
      start = i;
    }
  }
  if (shape.kind == GameKind::Digits && groups->size() == 1 && shape.mainCount > 1 &&
      groups->front().size() == shape.mainCount) {
    const QStringView digits = groups->front();
    groups->clear();
    for (qsizetype i = 0; i < digits.size(); ++i) groups->append(digits.mid(i, 1));
  }
  return QString();
}

}  // namespace

TicketLines ReadTicketLines(QStringView text, const GameShape& shape) {
  TicketLines result;
  int lineNumber = 0;
  for (const QStringView raw : text.tokenize(u'\n')) {
    ++lineNumber;
    const QStringView line = raw.trimmed();
    if (line.isEmpty()) continue;
    QVector<QStringView> groups;
    Ticket ticket{lineNumber, {}};
    QString reason = SplitGroups(line, shape, &groups);
    if (reason.isEmpty()) reason = Refusal(groups, shape, &ticket.numbers);
    if (reason.isEmpty()) {
      result.tickets.append(ticket);
    } else {
      result.errors.append({lineNumber, line.toString(), reason});
    }
  }
  return result;
}

TicketsFileText ReadTicketsFile(const QString& path, int positionCount, const GameShape& shape) {
  TicketsFileText result;
  if (QFileInfo(path).suffix().compare(QLatin1String("cmb"), Qt::CaseInsensitive) == 0) {
    const ListFileLoad load = CargarListaCmb(path, positionCount);
    if (load.status == ListFileStatus::Unreadable) {
      result.error = QStringLiteral("No se puede leer el archivo «%1».").arg(QFileInfo(path).fileName());
      result.unreadable = true;
      return result;
    }
    if (!load.IsLoaded()) {
      result.error = QStringLiteral("«%1» no es un archivo de lista de este sorteo.").arg(QFileInfo(path).fileName());
      return result;
    }
    const int count = ListCount(load.list.CombPos, load.list.LineasComb, positionCount);
    for (int i = 0; i < count; ++i) {
      QStringList numbers;
      for (int k = 1; k <= shape.TicketSize() && k <= positionCount; ++k) {
        numbers.append(QString::number(load.list.CombPos[static_cast<size_t>(k)][static_cast<size_t>(i)]));
      }
      result.text += numbers.join(QLatin1Char(' ')) + QLatin1Char('\n');
    }
    return result;
  }
  const ReadOutcome read = ReadAtMost(path, kTicketsFileLimit);
  if (!read.error.isEmpty()) {
    result.error = read.error;
    result.unreadable = true;
    return result;
  }
  QStringDecoder utf8(QStringDecoder::Utf8);
  result.text = utf8(read.bytes);
  if (utf8.hasError()) result.text = AnsiCodec::Decode(read.bytes);
  return result;
}

}  // namespace tombolix
