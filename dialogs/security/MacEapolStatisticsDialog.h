// "MAC Statistic": the 802.1X EAPOL statistics per MAC.
#pragma once

#include "dialogs/security/MacAuthTableDialog.h"

class MacEapolStatisticsDialog : public MacAuthTableDialog {
  Q_OBJECT

 public:
  explicit MacEapolStatisticsDialog(const DialogContext& context);
};
