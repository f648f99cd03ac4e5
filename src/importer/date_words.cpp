#include "importer/date_words.h"

#include <QString>

#include <array>

namespace tombolix {

namespace {

struct Name {
  std::string_view word;
  int value;
};

constexpr Name kMonths[] = {
    {"enero", 1},  {"ene", 1},      {"january", 1},   {"jan", 1},     {"febrero", 2},    {"feb", 2},
    {"february", 2}, {"marzo", 3},  {"mar", 3},       {"march", 3},   {"abril", 4},      {"abr", 4},
    {"april", 4},  {"apr", 4},      {"mayo", 5},      {"may", 5},     {"junio", 6},      {"jun", 6},
    {"june", 6},   {"julio", 7},    {"jul", 7},       {"july", 7},    {"agosto", 8},     {"ago", 8},
    {"august", 8}, {"aug", 8},      {"septiembre", 9}, {"setiembre", 9}, {"september", 9}, {"sep", 9},
    {"sept", 9},   {"set", 9},      {"octubre", 10},  {"october", 10}, {"oct", 10},      {"noviembre", 11},
    {"november", 11}, {"nov", 11},  {"diciembre", 12}, {"december", 12}, {"dic", 12}, {"dec", 12},
};

constexpr Name kWeekdays[] = {
    {"lunes", 1},    {"lun", 1},     {"monday", 1},   {"mon", 1},    {"martes", 2},   {"mar", 2},
    {"tuesday", 2},  {"tue", 2},     {"tues", 2},     {"miercoles", 3}, {"mie", 3},   {"wednesday", 3},
    {"wed", 3},      {"jueves", 4},  {"jue", 4},      {"thursday", 4}, {"thu", 4},    {"thur", 4},
    {"thurs", 4},    {"viernes", 5}, {"vie", 5},      {"friday", 5}, {"fri", 5},      {"sabado", 6},
    {"sab", 6},      {"saturday", 6}, {"sat", 6},     {"domingo", 7}, {"dom", 7},     {"sunday", 7},
    {"sun", 7},
};

constexpr std::array<const char*, 12> kSpanishMonths = {"enero", "febrero", "marzo", "abril", "mayo", "junio",
                                                        "julio", "agosto", "septiembre", "octubre", "noviembre",
                                                        "diciembre"};

template <size_t N>
int Find(const Name (&names)[N], std::string_view word) {
  for (const Name& n : names) {
    if (n.word == word) return n.value;
  }
  return 0;
}

// The lower-case ASCII letter a date word may hold for `c`; 0 for any other letter.
char Folded(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char>(c);
  if (c >= u'A' && c <= u'Z') return static_cast<char>(c - u'A' + 'a');
  switch (c) {
    case u'á': case u'Á': return 'a';
    case u'é': case u'É': return 'e';
    case u'í': case u'Í': return 'i';
    case u'ó': case u'Ó': return 'o';
    case u'ú': case u'Ú': return 'u';
    default: return 0;
  }
}

}  // namespace

bool IsDateLetter(QChar c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c.unicode() >= 0x80 && c.isLetter());
}

DateWord ReadDateWord(QStringView text, qsizetype& pos) {
  DateWord word;
  for (; pos < text.size() && IsDateLetter(text[pos]); ++pos) {
    const char folded = Folded(text[pos].unicode());
    if (folded == 0 || word.size == static_cast<int>(sizeof word.letters)) {
      word.known = false;
    } else {
      word.letters[word.size++] = folded;
    }
  }
  return word;
}

int MonthOfWord(std::string_view word) {
  return Find(kMonths, word);
}

int WeekdayOfWord(std::string_view word) { return Find(kWeekdays, word); }

QString LongDateText(int key) {
  return QStringLiteral("%1 de %2 de %3")
      .arg(key % 100)
      .arg(QLatin1String(kSpanishMonths[static_cast<size_t>(key / 100 % 100 - 1)]))
      .arg(key / 10000);
}

}  // namespace tombolix
