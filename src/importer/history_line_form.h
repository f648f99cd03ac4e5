#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <array>

namespace tombolix {

// How a history writes its draw lines, so that added lines look like its own:
// "07/01/2023,05,12", "2023-1-7, 5, 12", "7.1.23,5,12" and its line end.
struct LineForm {
  char dateSeparator = '/';
  bool yearFirst = false;
  bool fourDigitYear = true;
  bool padDay = true;
  bool padMonth = true;
  QByteArray afterDate = ",";       // from the date to the first number, spaces kept
  QByteArray betweenNumbers = ",";  // from one number to the next
  bool padNumbers = true;           // "05" rather than "5"
  QByteArray lineEnd = "\r\n";
};

// Learns the form from a history's draw lines, oldest first: everything from
// the last line, except what it leaves open (its day is 12: padded or not?),
// which comes from the latest line that shows it.
class LineFormReader {
 public:
  // `raw`: the line as in the file, without its end; `date`: its date as
  // loaded; `lineEnd`: its end (empty when the file ends without one).
  void Add(QByteArrayView raw, QStringView date, int positionCount, QByteArrayView lineEnd);
  const LineForm& Form() const { return form; }

 private:
  LineForm form;
};

// A draw line in `form`, its line end included. A two-digit year is written
// with four digits when two would read as another century; `widenedYear` then
// becomes true.
QByteArray FormatDrawLine(const LineForm& form, int key, const std::array<quint8, 7>& numbers, int count,
                          bool& widenedYear);

}  // namespace tombolix
