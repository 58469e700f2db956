#include "dialogs/layer2/IgmpClearDynamicMulticastDialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/layer2/MulticastIpCheck.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

bool CheckMulticastIpv4(QWidget* owner, const QString& text) {
  if (IsIpv4Text(text)) return true;
  bool misplacedDot = text.startsWith(QLatin1Char('.'));
  for (qsizetype i = 0; i < text.size() && !misplacedDot; ++i)
    if (text[i] == QLatin1Char('.') && (i + 1 >= text.size() || !text[i + 1].isDigit())) misplacedDot = true;
  return CheckIpv4Text(owner, text, misplacedDot ? QStringLiteral("Please input a valid IP") : QString(kInvalidIpMessage));
}

IgmpClearDynamicMulticastDialog::IgmpClearDynamicMulticastDialog(const DialogContext& context)
    : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("IGMPSnoopingClearDnyIpMultForm"));
  setWindowTitle(QStringLiteral("IGMP Snooping Clear Dynamic IP Multicast: ") + context.agent);
  // The fields one a line over the button row, and the status bar.
  EntryLayout entry(this);
  vlanIdEdit = entry.fields().edit(QStringLiteral("VLAN ID"), Name{"edtVID"});
  ipEdit = entry.fields().edit(QStringLiteral("Multicast IP Address"), Name{"edtIPAddr"});
  actionCombo = entry.fields().combo(QStringLiteral("Multicast Action"), Name{"cbMultAction"});
  setButton = entry.buttons().add(QStringLiteral("Set"), Name{"btnSet"}, [this] { setClicked(); });
  entry.buttons().close(Name{"btnClose"});
  QLabel* status = AddStatusBar(this, qobject_cast<QBoxLayout*>(layout()));

  KySNMPRequest2Edits* b = AddBinding(tbl::IgmpClearDynamicIpMulticast, false, status);
  b->AssociateEdits(0, "%i{n0x4094l4}", vlanIdEdit);
  b->AssociateEdits(1, "%s{l16}", ipEdit);
  b->AssociateControl(2, actionCombo);
}

void IgmpClearDynamicMulticastDialog::FirstRefresh() {
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void IgmpClearDynamicMulticastDialog::setClicked() {
  if (vlanIdEdit->text().trimmed().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("VLAN ID can't be empty."), ProgramCaption());
    vlanIdEdit->setFocus();
    return;
  }
  if (ipEdit->text().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Multicast IP Address can't be empty."), ProgramCaption());
    ipEdit->setFocus();
    return;
  }
  if (!CheckMulticastIpv4(this, ipEdit->text())) {
    ipEdit->setFocus();
    return;
  }
  try {
    Editor()->Apply(false, true);  // the three in one request
  } catch (const std::exception& e) {
    Editor()->statusKind = kSetStatus;
    Editor()->ShowStatus(ErrorText(e));
  }
}
