#pragma once

#include <QChar>
#include <QStringView>

#include <string_view>

namespace tombolix {

// A run of letters folded to lower-case ASCII (accents dropped), or marked
// unknown when it is too long or holds a letter no date word has.
struct DateWord {
  char letters[12] = {};
  int size = 0;
  bool known = true;

  std::string_view View() const { return known ? std::string_view(letters, static_cast<size_t>(size)) : std::string_view(); }
};

bool IsDateLetter(QChar c);
// Reads the letters from `pos` on (none when there is no letter there).
DateWord ReadDateWord(QStringView text, qsizetype& pos);

// Spanish or English month names, long or short (with "sept" and "set"): 1..12; 0 for none.
int MonthOfWord(std::string_view word);
// Spanish or English weekday names, long or short: 1 = Monday .. 7 = Sunday; 0 for none.
int WeekdayOfWord(std::string_view word);

// "13 de febrero de 2004", for a yyyymmdd key.
QString LongDateText(int key);

}  // namespace tombolix
