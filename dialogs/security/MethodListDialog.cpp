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

namespace {

// What the kind of list selects.
struct Variant {
  const KyVarDefTable& table;
  const char* nameMissing;
  const char* nameTaken;
  const char* nameEdit;
  std::array<const char*, 4> typeCombos;
  std::array<const char*, 4> serverEdits;
};

const Variant& VariantOf(MethodListDialog::Kind kind) {
  static const Variant login{
      tbl::LoginMethodList,
      "AAC Login Method List Name must be set.",
      "Has already a record with the same Login Method List Name. Please Change Login Method List Name.",
      "ListnameEdit",
      {"ComboBoxType1", "ComboBoxType2", "ComboBoxType3", "ComboBoxType4"},
      {"Server1Edit", "Server2Edit", "Server3Edit", "Server4Edit"}};
  static const Variant enable{
      tbl::EnableMethodList,
      "Enable MethodList Name must be set.",
      "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name.",
      "NameEdit",
      {"Type1ComboBox", "Type2ComboBox", "Type3ComboBox", "Type4ComboBox"},
      {"ServerGroupEdit1", "ServerGroupEdit2", "ServerGroupEdit3", "ServerGroupEdit4"}};
  return kind == MethodListDialog::Kind::Login ? login : enable;
}

}  // namespace

MethodListDialog::MethodListDialog(const DialogContext& context, Kind kind)
    : RowEditDialog(context, VariantOf(kind).table),
      nameMissing_(VariantOf(kind).nameMissing),
      nameTaken_(VariantOf(kind).nameTaken) {
  const Variant& v = VariantOf(kind);
  nameEdit = field(kName, QStringLiteral("Method List Name"), Name{v.nameEdit}, "%s{l15}", Role::Index);
  rowStatusCombo = rowStatusChoice(kRowStatus, QStringLiteral("Row Status"), Name{"RowComboBox"});
  for (int k = 0; k < 4; ++k) {
    typeCombos[k] = choice(TypeVar(k), QStringLiteral("Method%1 Type").arg(k + 1), Name{v.typeCombos[k]});
    serverEdits[k] =
        field(GroupVar(k), QStringLiteral("Method%1 Server Group").arg(k + 1), Name{v.serverEdits[k]}, "%s{l15}");
    connect(typeCombos[k], &QComboBox::currentIndexChanged, this, [this, k] { TypeChanged(k); });
  }
  finishLayout(Name{"StaticText1"});
}

void MethodListDialog::TypeChanged(int slot) {
  const bool group = typeCombos[slot]->currentIndex() == kServerGroupItem;
  serverEdits[slot]->setEnabled(group);
  if (!group) serverEdits[slot]->clear();
}

void MethodListDialog::stateChanged(bool selected) {
  for (int k = 0; k < 4; ++k) TypeChanged(k);
  // The switch's own list stays: it can be edited, never deleted.
  if (selected && IsDefault()) deleteButton->setEnabled(false);
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

void MethodListDialog::addClicked() {
  const QString name = nameEdit->text();
  if (name.isEmpty()) {
    ShowMessageBox(this, QString::fromLatin1(nameMissing_), ProgramCaption());
    nameEdit->setFocus();
    return;
  }
  for (int i = 0; i < list()->topLevelItemCount(); ++i) {
    if (list()->topLevelItem(i)->text(0) == name) {
      ShowMessageBox(this, QString::fromLatin1(nameTaken_), ProgramCaption());
      nameEdit->setFocus();
      return;
    }
  }
  if (rowStatusCombo->currentText() != QLatin1String("createAndGo")) {
    ShowMessageBox(this, QString::fromLatin1(kRowStateMustBeCreate), ProgramCaption());
    rowStatusCombo->setFocus();
    return;
  }
  int lastSlot = 3;
  if (!CheckIneffective(lastSlot)) return;
  writeRow([&](KyColumnExclusion& guard) { ExcludeSlots(guard, lastSlot); });
}

void MethodListDialog::editClicked() {
  if (nameEdit->text().isEmpty()) {
    ShowMessageBox(this, QString::fromLatin1(nameMissing_), ProgramCaption());
    return;
  }
  if (rowStatusCombo->currentText() == QLatin1String("destroy")) {
    DeleteRow();
    return;
  }
  int lastSlot = 3;
  if (!CheckIneffective(lastSlot)) return;
  writeRow([&](KyColumnExclusion& guard) {
    ExcludeSlots(guard, lastSlot);
    guard.Exclude(kRowStatus);
  });
}

void MethodListDialog::deleteClicked() {
  if (!rowSelected()) return;
  DeleteRow();
}

void MethodListDialog::DeleteRow() {
  if (IsDefault()) {
    ShowMessageBox(this, QString::fromLatin1(kDefaultNotDeleted), ProgramCaption());
    return;
  }
  writeRow([&](KyColumnExclusion& guard) {
    guard.ExcludeAllBut({kName, kRowStatus});
    SelectText(rowStatusCombo, QStringLiteral("destroy"));
  });
}
