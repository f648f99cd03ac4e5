// tombolix-synth: writes a seeded synthetic history file to standard output.
//   tombolix-synth --kind pick --numbers 6 --max 45 --bonus 16 --draws 1500 --seed 7 > file.txt
//   tombolix-synth --numbers 5 --max 50 --bonus 12 --bonus2 12 --draws 4000 --seed 1 > euro.txt
//   tombolix-synth --kind digits --positions 4 --draws 1000 --seed 3 > file.txt

#include "synthetic_history.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

constexpr char kUsage[] =
    "usage: tombolix-synth [--kind pick|digits] [--numbers K] [--max N] [--bonus M] [--bonus2 M2]\n"
    "                      [--positions P] [--draws D] [--seed S] [--first dd/mm/yyyy]\n";

bool ParseNumber(const QString& text, long long& value) {
  bool ok = false;
  value = text.toLongLong(&ok);
  return ok;
}

// Applies one "--name value" pair; false when the name or the value is not understood.
bool ApplyOption(tombolix::SynthOptions& options, const QString& name, const QString& value) {
  using tombolix::SynthOptions;
  if (name == u"--kind") {
    if (value == u"pick")
      options.kind = SynthOptions::Kind::Pick;
    else if (value == u"digits")
      options.kind = SynthOptions::Kind::Digits;
    else
      return false;
    return true;
  }
  if (name == u"--first") {
    options.firstDate = QDate::fromString(value, QStringLiteral("dd/MM/yyyy"));
    return options.firstDate.isValid();
  }
  if (name == u"--seed") {
    bool ok = false;
    options.seed = value.toULongLong(&ok);
    return ok;
  }
  long long number = 0;
  if (!ParseNumber(value, number) || number < 0 || number > 100000000) return false;
  const int n = static_cast<int>(number);
  if (name == u"--numbers")
    options.numbers = n;
  else if (name == u"--max")
    options.max = n;
  else if (name == u"--bonus")
    options.bonus = n;
  else if (name == u"--bonus2")
    options.bonus2 = n;
  else if (name == u"--positions")
    options.positions = n;
  else if (name == u"--draws")
    options.draws = n;
  else
    return false;
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  tombolix::SynthOptions options;
  for (qsizetype i = 1; i < args.size(); i += 2) {
    if (args[i] == u"--help" || args[i] == u"-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (i + 1 >= args.size() || !ApplyOption(options, args[i], args[i + 1])) {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  const QString problem = tombolix::CheckSynthOptions(options);
  if (!problem.isEmpty()) {
    std::fprintf(stderr, "tombolix-synth: %s\n", qPrintable(problem));
    return 2;
  }
  const QByteArray text = tombolix::SyntheticHistory(options);
  return std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout) == static_cast<size_t>(text.size())
             ? 0
             : 1;
}
