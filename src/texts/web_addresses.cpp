#include "texts/messages.h"

namespace tombolix {

namespace {

// The build passes every address as a string literal (empty by default).
#ifndef TOMBOLIX_PRODUCT_PAGE
#define TOMBOLIX_PRODUCT_PAGE ""
#endif
#ifndef TOMBOLIX_HELP_VIDEO_PAGE
#define TOMBOLIX_HELP_VIDEO_PAGE ""
#endif
#ifndef TOMBOLIX_TICKETS_PAGE
#define TOMBOLIX_TICKETS_PAGE ""
#endif
#ifndef TOMBOLIX_DONATION_PAGE
#define TOMBOLIX_DONATION_PAGE ""
#endif
#ifndef TOMBOLIX_PROMOTIONAL_PAGE
#define TOMBOLIX_PROMOTIONAL_PAGE ""
#endif
#ifndef TOMBOLIX_HISTORY_DOWNLOADS_PAGE
#define TOMBOLIX_HISTORY_DOWNLOADS_PAGE ""
#endif
#ifndef TOMBOLIX_CONTACT_EMAIL
#define TOMBOLIX_CONTACT_EMAIL ""
#endif

// Surrounding spaces of a build value are no part of an address.
QString FromBuild(const char* value) { return QString::fromUtf8(value).trimmed(); }

}  // namespace

const WebAddresses& Addresses() {
  static const WebAddresses addresses{
      FromBuild(TOMBOLIX_PRODUCT_PAGE),     FromBuild(TOMBOLIX_HELP_VIDEO_PAGE),
      FromBuild(TOMBOLIX_TICKETS_PAGE),     FromBuild(TOMBOLIX_DONATION_PAGE),
      FromBuild(TOMBOLIX_PROMOTIONAL_PAGE), FromBuild(TOMBOLIX_HISTORY_DOWNLOADS_PAGE),
      FromBuild(TOMBOLIX_CONTACT_EMAIL),
  };
  return addresses;
}

QString NoPageToolTip() {
  return QStringLiteral("Esta versión del programa no tiene una página web para este enlace.");
}

}  // namespace tombolix
