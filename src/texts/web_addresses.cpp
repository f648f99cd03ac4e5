#include "texts/messages.h"

namespace tombolix {

// PLACEHOLDERS. The product has no public web site yet, so every address the
// program opens lives here, under the reserved top-level domain ".example"
// (RFC 2606), which can never reach a real site. Replace them all in this one
// place when the real pages exist.
const WebAddresses& Addresses() {
  static const WebAddresses addresses{
      QStringLiteral("https://tombolix.example/"),
      QStringLiteral("https://tombolix.example/videos-de-ayuda"),
      QStringLiteral("https://tombolix.example/jugar-ahora"),
      QStringLiteral("https://tombolix.example/donacion"),
      QStringLiteral("https://tombolix.example/novedades"),
      QStringLiteral("https://tombolix.example/historiales"),
      QStringLiteral("contacto@tombolix.example  -  https://tombolix.example/"),
  };
  return addresses;
}

}  // namespace tombolix
