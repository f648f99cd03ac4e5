#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace tombolix {

enum class DateOrder : std::uint8_t { DayMonthYear = 1, YearMonthDay = 2, MonthDayYear = 4 };

struct DateReading {
  std::uint8_t orders = 0;
  bool named = false;
  int weekday = 0;
  int parts[3] = {0, 0, 0};
  int year = 0;
  bool Fits(DateOrder order) const { return (orders & static_cast<std::uint8_t>(order)) != 0; }
  int Key(DateOrder order) const;
};

DateReading ReadDate(QStringView text);
int WeekdayOfKey(int key);
QString DateOrderName(DateOrder order);
QString KeyText(int key);

class DateOrderVote {
 public:
  void Add(const DateReading& reading, qsizetype line = 0);
  struct Decision {
    std::optional<DateOrder> order;
    bool ask = false;
    QString reason;
  };
  Decision Decide() const;

 private:
  qsizetype fits_[3] = {0, 0, 0};
  qsizetype dated_ = 0;
};

}  // namespace tombolix
