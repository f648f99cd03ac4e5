#include "app/command_log.h"
#include "app/control_colours.h"
#include "app/tombolix_app.h"
#include "texts/messages.h"

#include <utility>

namespace tombolix {

void TombolixApp::SetWebAddresses(const WebAddresses& addresses) {
  addresses_ = addresses;
  ShowLinkLabels();
}

// A link without a page is shown disabled, its tooltip saying so.
void TombolixApp::ShowLinkLabels() {
  const std::pair<LabelState*, const QString*> links[] = {{&model_.LblAyuda, &addresses_.helpVideoPage},
                                                          {&model_.LblBoletos, &addresses_.ticketsPage},
                                                          {&model_.LblDonacion, &addresses_.donationPage}};
  for (const auto& [label, address] : links) {
    label->enabled = !address->isEmpty();
    label->toolTip = address->isEmpty() ? NoPageToolTip() : QString();
  }
}

void TombolixApp::OpenLink(WebLink link) {
  const QString* addresses[] = {&addresses_.productPage, &addresses_.helpVideoPage, &addresses_.ticketsPage,
                                &addresses_.donationPage};
  const QString& address = *addresses[static_cast<int>(link)];
  if (address.isEmpty() || Ending(model_)) return;
  qCInfo(lcCommands) << "link opened:" << address;
  platform_.Minimise();
  platform_.OpenUrl(address);
}

void TombolixApp::ShowBanner(int mode) {
  const QString crLf = QStringLiteral("\r\n");
  ReportText& banner = model_.RtfFondo.report;
  if (mode == 1) {
    const QString name = QStringLiteral("Tombolix");
    banner.SetText(crLf.repeated(8) + addresses_.productPage + crLf + QString(17, QLatin1Char(' ')) + name);
    banner.SetColour(1, banner.Length() - 1, ControlColour::BannerText);
    banner.SetColour(banner.Length() - static_cast<int>(name.size()), static_cast<int>(name.size()),
                     ControlColour::BannerName);
  } else if (mode == 2) {
    banner.SetText(crLf.repeated(7) + Msg(TxtAdvertencia));
    banner.SetColour(1, banner.Length() - 1, ControlColour::Rejection);
  }
}

}  // namespace tombolix
