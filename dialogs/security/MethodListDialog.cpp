#include "dialogs/security/MethodListDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {

// Variables: 0 name, 1 + 2k type of slot k, 2 + 2k its server group, 9 row status.
constexpr int kName = 0;

constexpr int kRowStatus = 9;

int TypeVar(int slot) { return 1 + 2 * slot; }

int GroupVar(int slot) { return 2 + 2 * slot; }

}  // namespace

MethodListDialog::MethodListDialog(QWidget* owner, const KyVarDefTable& table, const Texts& texts)
    : RowEditDialog(owner, table), texts_(texts) {}

void MethodListDialog::Build(const char* nameEditName, const std::array<const char*, 4>& typeNames,
                            const std::array<const char*, 4>& serverNames) {
  nameEdit = new QLineEdit(this);
  nameEdit->setObjectName(QString::fromLatin1(nameEditName));
  AddField(QStringLiteral("Method List Name"), nameEdit);
  RowComboBox = new QComboBox(this);
  RowComboBox->setObjectName(QStringLiteral("RowComboBox"));
  AddField(QStringLiteral("Row Status"), RowComboBox);
  rowStatusCombo_ = RowComboBox;
  indexControls_.push_back(nameEdit);
  binding->AssociateEdits(kName, "%s{l15}", nameEdit);
  for (int k = 0; k < 4; ++k) {
    typeCombos[k] = new QComboBox(this);
    typeCombos[k]->setObjectName(QString::fromLatin1(typeNames[k]));
    serverEdits[k] = new QLineEdit(this);
    serverEdits[k]->setObjectName(QString::fromLatin1(serverNames[k]));
    AddField(QStringLiteral("Method%1 Type").arg(k + 1), typeCombos[k]);
    AddField(QStringLiteral("Method%1 Server Group").arg(k + 1), serverEdits[k]);
    binding->AssociateControl(TypeVar(k), typeCombos[k]);
    binding->AssociateEdits(GroupVar(k), "%s{l15}", serverEdits[k]);
    connect(typeCombos[k], &QComboBox::currentIndexChanged, this, [this, k] { TypeChanged(k); });
  }
  binding->AssociateControl(kRowStatus, RowComboBox);
  connect(AddButton, &QPushButton::clicked, this, [this] { AddClick(); });
  connect(EditButton, &QPushButton::clicked, this, [this] { EditClick(); });
  connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteClick(); });
  FinishLayout(QStringLiteral("StaticText1"));
}

void MethodListDialog::TypeChanged(int slot) {
  const bool group = typeCombos[slot]->currentIndex() == kServerGroupItem;
  serverEdits[slot]->setEnabled(group);
  if (!group) serverEdits[slot]->clear();
}

void MethodListDialog::StateChanged(bool selected) {
  for (int k = 0; k < 4; ++k) TypeChanged(k);
  // The switch's own list stays: it can be edited, never deleted.
  if (selected && IsDefault()) DeleteButton->setEnabled(false);
}

bool MethodListDialog::IsDefault() const { return nameEdit->text() == QLatin1String("default"); }

bool MethodListDialog::CheckIneffective(int& lastSlot) {
  lastSlot = 3;
  int stop = -1;  // the first used local / none slot
  bool ineffective = false;
  for (int k = 0; k < 4; ++k) {
    const QString text = typeCombos[k]->currentText();
    if (text.isEmpty() || text == QLatin1String("other")) continue;
    if (stop >= 0) ineffective = true;
    const int item = typeCombos[k]->currentIndex();
    if (stop < 0 && (item == kLocalItem || item == kNoneItem)) stop = k;
  }
  if (!ineffective) return true;
  if (ShowMessageBox(this, QString::fromLatin1(kIneffectiveQuestion), ProgramCaption(),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) != QMessageBox::No)
    return false;
  lastSlot = stop;
  return true;
}

void MethodListDialog::ExcludeSlots(KyColumnExclusion& guard, int lastSlot) {
  for (int k = 0; k < 4; ++k) {
    const QString text = typeCombos[k]->currentText();
    if (k > lastSlot || text.isEmpty() || text == QLatin1String("other")) {
      guard.Exclude({TypeVar(k), GroupVar(k)});
    } else if (typeCombos[k]->currentIndex() != kServerGroupItem) {
      guard.Exclude(GroupVar(k));
    }
  }
}

void MethodListDialog::AddClick() {
  const QString name = nameEdit->text();
  if (name.isEmpty()) {
    ShowMessageBox(this, QString::fromLatin1(texts_.nameMissing), ProgramCaption());
    nameEdit->setFocus();
    return;
  }
  for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
    if (ListView1->topLevelItem(i)->text(0) == name) {
      ShowMessageBox(this, QString::fromLatin1(texts_.nameTaken), ProgramCaption());
      nameEdit->setFocus();
      return;
    }
  }
  if (RowComboBox->currentText() != QLatin1String("createAndGo")) {
    ShowMessageBox(this, QString::fromLatin1(kRowStateMustBeCreate), ProgramCaption());
    RowComboBox->setFocus();
    return;
  }
  int lastSlot = 3;
  if (!CheckIneffective(lastSlot)) return;
  WriteRow([&](KyColumnExclusion& guard) { ExcludeSlots(guard, lastSlot); });
}

void MethodListDialog::EditClick() {
  if (nameEdit->text().isEmpty()) {
    ShowMessageBox(this, QString::fromLatin1(texts_.nameMissing), ProgramCaption());
    return;
  }
  if (RowComboBox->currentText() == QLatin1String("destroy")) {
    DeleteRow();
    return;
  }
  int lastSlot = 3;
  if (!CheckIneffective(lastSlot)) return;
  WriteRow([&](KyColumnExclusion& guard) {
    ExcludeSlots(guard, lastSlot);
    guard.Exclude(kRowStatus);
  });
}

void MethodListDialog::DeleteClick() {
  if (!RowSelected()) return;
  DeleteRow();
}

void MethodListDialog::DeleteRow() {
  if (IsDefault()) {
    ShowMessageBox(this, QString::fromLatin1(kDefaultNotDeleted), ProgramCaption());
    return;
  }
  WriteRow([&](KyColumnExclusion& guard) {
    guard.ExcludeAllBut({kName, kRowStatus});
    SetComboText(RowComboBox, QStringLiteral("destroy"));
  });
}
