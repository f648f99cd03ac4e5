#pragma once

#include <QList>
#include <QString>

namespace tombolix {

// One line of the "Atajos de teclado" page: the keys and what they do.
struct KeyHelp {
  QString keys;
  QString action;
};

// The keyboard table in words, one line per row of the table, in its order.
QList<KeyHelp> KeyHelpLines();

}  // namespace tombolix
