#include "report_platform.h"

namespace tombolix {

MessageAnswer ReportPlatform::ShowMessage(const QString& text, const QString& title, MessageIcon /*icon*/,
                                          MessageButtons /*buttons*/, MessageAnswer defaultAnswer) {
  ++messageCount_;
  err_ << title << QLatin1String(": ") << text << Qt::endl;
  return defaultAnswer;
}

}  // namespace tombolix
