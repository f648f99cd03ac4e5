#include "app/control_colours.h"
#include "app/tombolix_app.h"
#include "texts/messages.h"

namespace tombolix {

void TombolixApp::OpenLink(const QString& address) {
  platform_.Minimise();
  platform_.OpenUrl(address);
}

void TombolixApp::ShowBanner(int mode) {
  const QString crLf = QStringLiteral("\r\n");
  ReportText& banner = model_.RtfFondo.report;
  if (mode == 1) {
    const QString name = QStringLiteral("Tombolix");
    banner.SetText(crLf.repeated(8) + Addresses().productPage + crLf + QString(17, QLatin1Char(' ')) + name);
    banner.SetColour(1, banner.Length() - 1, ControlColour::BannerText);
    banner.SetColour(banner.Length() - static_cast<int>(name.size()), static_cast<int>(name.size()),
                     ControlColour::BannerName);
  } else if (mode == 2) {
    banner.SetText(crLf.repeated(7) + Msg(TxtAdvertencia));
    banner.SetColour(1, banner.Length() - 1, ControlColour::Rejection);
  }
}

}  // namespace tombolix
