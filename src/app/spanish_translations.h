#pragma once

#include <QTranslator>

namespace tombolix {

// The words Qt 6.4's Spanish translation lacks: the file dialog's type column
// ("Folder", "Drive"...) comes from a context it does not cover, and the
// command line's help option has no Spanish text.
class SpanishSupplement : public QTranslator {
 public:
  using QTranslator::QTranslator;
  QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                    int n = -1) const override;
  bool isEmpty() const override { return false; }
};

// Qt's own Spanish texts (dialogs, "Uso:", "Opciones:") when installed, and
// the supplement above, for the application running now.
void InstallSpanishTranslations();

}  // namespace tombolix
