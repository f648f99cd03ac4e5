#include "importer/date_forms.h"
#include "importer/date_words.h"

#include <QStringList>

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

// "d/m/a y como m/d/a", "d/m/a, como a/m/d o como m/d/a": the forms in `set`
// (bits of their indexes), `last` before the last one.
QString Names(unsigned set, const QString& last) {
  QStringList names;
  for (int f = 0; f < 3; ++f) {
    if ((set >> f & 1U) != 0) names.append(Name(f));
  }
  QString text = names.value(0);
  for (qsizetype i = 1; i < names.size(); ++i) {
    text += (i + 1 == names.size() ? last : QStringLiteral(", como ")) + names[i];
  }
  return text;
}

int Lowest(unsigned set) { return std::countr_zero(set); }

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

DateOrderVote::DateOrderVote(QDate today) : lastPastKey_(LastPastDrawKey(today)) {}

void DateOrderVote::Add(const DateReading& reading, qsizetype line) {
  if (reading.orders == 0) return;
  ++dates;
  namedDates += reading.named ? 1 : 0;
  shortYearFirst += reading.Fits(DateOrder::YearMonthDay) && reading.shortYearDay != 0 ? 1 : 0;

  int keys[3] = {};
  bool agrees[3] = {};
  bool anyAgrees = false;
  for (int f = 0; f < 3; ++f) {
    if (!reading.Fits(kOrders[f])) continue;
    keys[f] = reading.Key(kOrders[f]);
    agrees[f] = reading.weekday != 0 && WeekdayOfKey(keys[f]) == reading.weekday;
    anyAgrees = anyAgrees || agrees[f];
  }
  for (int a = 0; a < 3; ++a) {
    for (int b = a + 1; b < 3; ++b) {
      if (keys[a] != 0 && keys[b] != 0 && keys[a] != keys[b]) ++differing[static_cast<size_t>(a + b - 1)];
    }
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
    const int key = keys[f];
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
    if (key > lastPastKey_ && form.future++ == 0) {
      form.futureLine = line;
      form.futureKey = key;
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

// "como d/m/a se lee una fecha futura, la de la línea 3 (23 de mayo de 2027)".
QString DateOrderVote::FutureClause(int form) const {
  const Form& f = forms[static_cast<size_t>(form)];
  const QString date = LongDateText(f.futureKey);
  const QString where = f.futureLine > 0 ? QStringLiteral("la de la línea %1 (%2)").arg(f.futureLine).arg(date)
                                         : QStringLiteral("el %1").arg(date);
  if (f.future == 1) return QStringLiteral("como %1 se lee una fecha futura, %2").arg(Name(form), where);
  return QStringLiteral("como %1 se leen %2 fechas futuras, la primera %3").arg(Name(form)).arg(f.future).arg(where);
}

// Whether the forms in `set` read every date as the same day.
bool DateOrderVote::SameDays(unsigned set) const {
  for (int a = 0; a < 3; ++a) {
    for (int b = a + 1; b < 3; ++b) {
      if ((set >> a & set >> b & 1U) != 0 && differing[static_cast<size_t>(a + b - 1)] != 0) return false;
    }
  }
  return true;
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

// The only form that reads every date without contradicting a weekday: what
// rules out the others that read some (day first and month first always name
// each other).
DateOrderVote::Decision DateOrderVote::OneForm(int winner) const {
  Decision d;
  d.order = kOrders[winner];
  if (winner == kYear && shortYearFirst == 0) {
    d.reason = QStringLiteral("año primero: las fechas empiezan por un año de cuatro cifras");
    return d;
  }
  QString weekdays;
  QString missed;
  for (const int rival : {kDay, kMonth, kYear}) {
    const Form& r = forms[static_cast<size_t>(rival)];
    const bool counterpart = winner != kYear && rival != kYear;
    if (rival == winner || (r.reads == 0 && !counterpart)) continue;
    if (r.contradicted) {
      weekdays += QStringLiteral(" y con %1 leídas como %2").arg(r.agreements).arg(Name(rival));
    } else {
      missed += (missed.isEmpty() ? QString() : QStringLiteral(", y ")) + RuledOut(rival);
    }
  }
  QString why = missed;
  if (!weekdays.isEmpty()) {
    why = QStringLiteral("los días de la semana escritos concuerdan con %1 fechas leídas así%2")
              .arg(forms[static_cast<size_t>(winner)].agreements)
              .arg(weekdays);
    if (!missed.isEmpty()) why += QStringLiteral(", y ") + missed;
  }
  if (why.isEmpty()) why = QStringLiteral("las fechas solo se leen así");
  d.reason = QStringLiteral("%1: %2").arg(Lead(winner), why);
  return d;
}

// Several forms read every date, some as different days: the one whose dates
// break their order fewest times, then the one reading no future date.
DateOrderVote::Decision DateOrderVote::AmongSeveral(unsigned alive) const {
  auto breaks = [this](int f) {
    return Breaks(forms[static_cast<size_t>(f)].rises, forms[static_cast<size_t>(f)].falls);
  };
  qsizetype fewest = -1;
  for (int f = 0; f < 3; ++f) {
    if ((alive >> f & 1U) != 0 && (fewest < 0 || breaks(f) < fewest)) fewest = breaks(f);
  }
  unsigned byOrder = 0;
  unsigned byFuture = 0;
  for (int f = 0; f < 3; ++f) {
    if ((alive >> f & 1U) != 0 && breaks(f) > fewest) byOrder |= 1U << f;
  }
  unsigned left = alive & ~byOrder;
  for (int f = 0; f < 3; ++f) {
    if ((left >> f & 1U) != 0 && forms[static_cast<size_t>(f)].future > 0) byFuture |= 1U << f;
  }
  // Every form left reading future dates decides nothing.
  if (byFuture == left) byFuture = 0;
  left &= ~byFuture;

  Decision d;
  if (std::popcount(left) > 1 && !SameDays(left)) {
    d.ask = true;
    d.reason = QStringLiteral("todas las fechas se leen como %1, y su orden no decide cuál es")
                   .arg(Names(left, QStringLiteral(" y como ")));
    if (byOrder != 0) {
      d.reason += QStringLiteral(" (como %1 se desordenan más)").arg(Names(byOrder, QStringLiteral(" y como ")));
    }
    return d;
  }
  const int winner = Lowest(left);
  d.order = kOrders[winner];
  QString why;
  if (byOrder != 0) {
    why = fewest == 0 ? QStringLiteral("así las fechas van en orden")
                      : QStringLiteral("así las fechas se desordenan %1").arg(Times(fewest));
    const QString verb = fewest == 0 ? QStringLiteral(" se desordenan ") : QStringLiteral(", ");
    for (int f = 0; f < 3; ++f) {
      if ((byOrder >> f & 1U) != 0) why += QStringLiteral(", y como %1%2%3").arg(Name(f), verb, Times(breaks(f)));
    }
  }
  for (int f = 0; f < 3; ++f) {
    if ((byFuture >> f & 1U) != 0) why += (why.isEmpty() ? QString() : QStringLiteral(", y ")) + FutureClause(f);
  }
  d.reason = QStringLiteral("%1: %2").arg(Lead(winner), why);
  return d;
}

DateOrderVote::Decision DateOrderVote::Decide() const {
  if (dates == 0) return {std::nullopt, false, QStringLiteral("no hay ninguna fecha que leer")};
  unsigned alive = 0;
  for (int f = 0; f < 3; ++f) {
    const Form& form = forms[static_cast<size_t>(f)];
    if (!form.missed && !form.contradicted) alive |= 1U << f;
  }
  if (alive == 0) return TwoForms();
  if (std::popcount(alive) == 1) return OneForm(Lowest(alive));
  if (!SameDays(alive)) return AmongSeveral(alive);
  return {
      kOrders[Lowest(alive)], false,
      namedDates == dates
          ? QStringLiteral("los meses se escriben con su nombre")
          : QStringLiteral("cada fecha es el mismo día leída como %1").arg(Names(alive, QStringLiteral(" o como ")))};
}

}  // namespace tombolix
