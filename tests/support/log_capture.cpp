#include "support/log_capture.h"

#include <QLoggingCategory>
#include <QtGlobal>

namespace tombolix::test {

namespace {

LogCapture* current = nullptr;
QtMessageHandler previous = nullptr;

void Collect(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (current && context.category && qstrcmp(context.category, "tombolix.commands") == 0) {
    current->lines.append(message);
    return;
  }
  if (previous) previous(type, context, message);
}

}  // namespace

LogCapture::LogCapture() {
  current = this;
  previous = qInstallMessageHandler(Collect);
  QLoggingCategory::setFilterRules(QStringLiteral("tombolix.commands=true"));
}

LogCapture::~LogCapture() {
  QLoggingCategory::setFilterRules(QString());
  qInstallMessageHandler(previous);
  current = nullptr;
}

QStringList LogCapture::Matching(const QString& text) const { return lines.filter(text); }

}  // namespace tombolix::test
