#include "importer/date_forms.h"
#include "importer/date_words.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace tombolix {

namespace {

// Forms by the index of their DateOrder bit.
constexpr DateOrder kOrders[3] = {DateOrder::DayMonthYear, DateOrder::YearMonthDay, DateOrder::MonthDayYear};
constexpr int kDay = 0;
constexpr int kYear = 1;
constexpr int kMonth = 2;

QString Lead(int form) {
  static const char* const kLeads[3] = {"día primero", "año primero", "mes primero"};
  return QString::fromUtf8(kLeads[form]);
}

QString Name(int form) { return DateOrderName(kOrders[form]); }

QString Times(qsizetype n) { return n == 1 ? QStringLiteral("una vez") : QStringLiteral("%1 veces").arg(n); }

qsizetype Breaks(qsizetype rises, qsizetype falls) { return std::min(rises, falls); }

// "la fecha de la línea 5 (13 de febrero de 2004)": the date shown when only
// one form reads it, so that it cannot be misread.
QString DateAt(qsizetype line, const DateReading& reading) {
  QString text = line > 0 ? QStringLiteral("la fecha de la línea %1").arg(line) : QStringLiteral("una fecha");
  if (std::popcount(reading.orders) == 1) {
    text += QStringLiteral(" (%1)").arg(LongDateText(reading.Key(static_cast<DateOrder>(reading.orders))));
  }
  return text;
}

}  // namespace

void DateOrderVote::Add(const DateReading& reading, qsizetype line) {
  if (reading.orders == 0) return;
  ++dates;
  namedDates += reading.named ? 1 : 0;
  const bool dayAndMonth = reading.Fits(DateOrder::DayMonthYear) && reading.Fits(DateOrder::MonthDayYear);
  if (dayAndMonth && reading.Key(DateOrder::DayMonthYear) != reading.Key(DateOrder::MonthDayYear)) ++differing;

  bool agrees[3] = {};
  bool anyAgrees = false;
  for (int f = 0; f < 3; ++f) {
    agrees[f] = reading.weekday != 0 && reading.Fits(kOrders[f]) &&
                WeekdayOfKey(reading.Key(kOrders[f])) == reading.weekday;
    anyAgrees = anyAgrees || agrees[f];
  }
  for (int f = 0; f < 3; ++f) {
    Form& form = forms[static_cast<size_t>(f)];
    if (!reading.Fits(kOrders[f])) {
      if (!form.missed) {
        form.missed = true;
        form.missLine = line;
        form.missReading = reading;
      }
      continue;
    }
    const int key = reading.Key(kOrders[f]);
    if (form.reads > 0) {
      form.rises += key > form.lastKey ? 1 : 0;
      form.falls += key < form.lastKey ? 1 : 0;
    }
    form.lastKey = key;
    ++form.reads;
    form.agreements += agrees[f] ? 1 : 0;
    if (reading.weekday != 0 && !agrees[f] && anyAgrees && !form.contradicted) {
      form.contradicted = true;
      form.contradictLine = line;
    }
  }
}

// Why `form` cannot be the file's form, as a clause.
QString DateOrderVote::RuledOut(int form) const {
  const Form& f = forms[static_cast<size_t>(form)];
  if (f.missed) return QStringLiteral("%1 no se lee como %2").arg(DateAt(f.missLine, f.missReading), Name(form));
  const QString where = f.contradictLine > 0 ? QStringLiteral("el día de la semana de la línea %1").arg(f.contradictLine)
                                              : QStringLiteral("un día de la semana escrito");
  return QStringLiteral("%1 no concuerda con la fecha leída como %2").arg(where, Name(form));
}

// No form reads every date in agreement with its weekday: name the two that
// read the most, each with what rules it out.
DateOrderVote::Decision DateOrderVote::TwoForms() const {
  int a = kDay;
  int b = kYear;
  if (forms[kMonth].reads > forms[kYear].reads) b = kMonth;
  if (forms[static_cast<size_t>(b)].reads > forms[kDay].reads) std::swap(a, b);
  Decision d;
  d.reason = QStringLiteral("las fechas están en dos formas: %1, y %2").arg(RuledOut(a), RuledOut(b));
  return d;
}

DateOrderVote::Decision DateOrderVote::OneForm(int winner) const {
  const int rival = winner == kDay ? kMonth : kDay;
  const Form& w = forms[static_cast<size_t>(winner)];
  const Form& r = forms[static_cast<size_t>(rival)];
  Decision d;
  d.order = kOrders[winner];
  if (winner == kYear) {
    d.reason = QStringLiteral("año primero: las fechas empiezan por un año de cuatro cifras");
  } else if (r.contradicted) {
    d.reason = QStringLiteral("%1: los días de la semana escritos concuerdan con %2 fechas leídas así y con %3 "
                              "leídas como %4")
                   .arg(Lead(winner))
                   .arg(w.agreements)
                   .arg(r.agreements)
                   .arg(Name(rival));
  } else {
    d.reason = QStringLiteral("%1: %2").arg(Lead(winner), RuledOut(rival));
  }
  return d;
}

// Day first and month first both read every date, some as two different days.
DateOrderVote::Decision DateOrderVote::ByDateOrder() const {
  const qsizetype dayBreaks = Breaks(forms[kDay].rises, forms[kDay].falls);
  const qsizetype monthBreaks = Breaks(forms[kMonth].rises, forms[kMonth].falls);
  Decision d;
  if (dayBreaks == monthBreaks) {
    d.ask = true;
    d.reason = QStringLiteral("todas las fechas se leen como d/m/a y como m/d/a, y su orden no decide cuál es");
    return d;
  }
  const int winner = dayBreaks < monthBreaks ? kDay : kMonth;
  const qsizetype won = std::min(dayBreaks, monthBreaks);
  const qsizetype lost = std::max(dayBreaks, monthBreaks);
  const QString other = Name(winner == kDay ? kMonth : kDay);
  d.order = kOrders[winner];
  d.reason = won == 0 ? QStringLiteral("%1: así las fechas van en orden, y como %2 se desordenan %3")
                            .arg(Lead(winner), other, Times(lost))
                      : QStringLiteral("%1: así las fechas se desordenan %2, y como %3, %4")
                            .arg(Lead(winner), Times(won), other, Times(lost));
  return d;
}

DateOrderVote::Decision DateOrderVote::Decide() const {
  if (dates == 0) return {std::nullopt, false, QStringLiteral("no hay ninguna fecha que leer")};
  int alive[3] = {};
  int aliveCount = 0;
  for (int f = 0; f < 3; ++f) {
    const Form& form = forms[static_cast<size_t>(f)];
    if (!form.missed && !form.contradicted) alive[aliveCount++] = f;
  }
  if (aliveCount == 0) return TwoForms();
  if (aliveCount == 1) return OneForm(alive[0]);
  // More than one form reads every date: day first and month first (and year
  // first too when every month is a name).
  if (differing > 0) return ByDateOrder();
  return {DateOrder::DayMonthYear, false,
          namedDates == dates ? QStringLiteral("los meses se escriben con su nombre")
                              : QStringLiteral("cada fecha es el mismo día leída como d/m/a o como m/d/a")};
}

}  // namespace tombolix
