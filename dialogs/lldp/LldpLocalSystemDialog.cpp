#include "dialogs/lldp/LldpLocalSystemDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/DialogParts.h"
#include "dialogs/lldp/LldpNames.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
// The variables shown as text, in the order of the table.
struct TextRow {
  const char* caption;
  const char* name;
};
constexpr TextRow kTextRows[] = {
    {"Local Chassis ID Subtype", "ChassisIdSubtypeText"},
    {"Local Chassis ID", "ChassisIdText"},
    {"Local System Name", "SysNameText"},
    {"Local System Description", "SysDescText"},
};
constexpr int kSupported = 4;
constexpr int kEnabled = 5;
}  // namespace

LldpLocalSystemDialog::LldpLocalSystemDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  auto text = [this](const char* name) {
    QLabel* l = MakeStaticText(this, name);
    l->setMinimumWidth(Px(this, 260));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
  };
  auto* form = new QFormLayout;
  std::vector<QLabel*> texts;
  for (const TextRow& row : kTextRows) {
    texts.push_back(text(row.name));
    form->addRow(QString::fromLatin1(row.caption), texts.back());
  }
  systemNameText = texts[2];
  texts[3]->setWordWrap(true);
  supportedHex_ = text("CapSupportText");
  enabledHex_ = text("CapEnableText");
  supportedHex_->hide();
  enabledHex_->hide();
  capabilitiesSupportedEdit = MakeEdit(this, "CapSupportEdit");
  capabilitiesEnabledEdit = MakeEdit(this, "capEnableEdit");
  for (QLineEdit* e : {capabilitiesSupportedEdit, capabilitiesEnabledEdit}) e->setReadOnly(true);
  form->addRow(QStringLiteral("Local System Capabilities Supported"), capabilitiesSupportedEdit);
  form->addRow(QStringLiteral("Local System Capabilities Enabled"), capabilitiesEnabledEdit);
  ButtonBar buttons(this);
  buttons.add(QStringLiteral("Refresh"), Name{"RefreshButton"}, [this] { refreshClicked(); });
  buttons.close(Name{"CloseButton"});
  QLabel* statusLabel = nullptr;
  QStatusBar* statusBar = MakeStatusBar(this, &statusLabel);
  statusBar->setObjectName(QString());  // never named in this window
  auto* top = new QVBoxLayout(this);
  top->addLayout(form);
  top->addWidget(supportedHex_);
  top->addWidget(enabledHex_);
  top->addLayout(buttons.layout());
  top->addWidget(statusBar);

  binding_ = AddBinding(tbl::LldpLocSysData, /*asynchronous=*/true, statusLabel);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  for (int v = 0; v < static_cast<int>(texts.size()); ++v) binding_->AssociateControl(v, texts[v]);
  binding_->AssociateControl(kSupported, supportedHex_);
  binding_->AssociateControl(kEnabled, enabledHex_);
  binding_->getDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    if (result.code != 0) return;
    for (auto [hex, edit] : {std::pair{supportedHex_, capabilitiesSupportedEdit}, std::pair{enabledHex_, capabilitiesEnabledEdit}})
      edit->setText(QString::fromStdString(LldpHexToNames(hex->text().toStdString(), lldp::kCapabilities)));
  };
}

void LldpLocalSystemDialog::refreshClicked() {
  if (RefuseWhileBusy(binding_, QString::fromLatin1(kGetDataNotComplete))) return;
  try {
    binding_->Refresh();
  } catch (const std::exception& e) {
    binding_->ShowStatus(ErrorText(e));
  }
}
