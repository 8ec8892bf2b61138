// The colouring session of one activation of the colouring window.

#include "pictures/mainform.h"
#include "platform/host.h"

namespace pictures {

void Mainform::RunColoringSession() {
  platform::message(QStringLiteral("Colouring sessions cannot be started in this version of the program yet.\n"
                                   "The main menu is shown again."));
  HandBack();
}

}  // namespace pictures
