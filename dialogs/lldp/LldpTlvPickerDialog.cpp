#include "dialogs/lldp/LldpTlvPickerDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/lldp/LldpNamesBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

LldpTlvPickerDialog::LldpTlvPickerDialog(QWidget* owner, std::span<const LldpBitName> names,
                                         const QString& captionPrefix, const std::vector<const char*>& boxNames)
    : QDialog(owner), names_(names), captionPrefix_(captionPrefix) {
  auto* top = new QVBoxLayout(this);
  for (size_t i = 0; i < names.size(); ++i) {
    auto* box = new QCheckBox(QString::fromLatin1(names[i].name), this);
    box->setObjectName(QString::fromLatin1(boxNames[i]));
    boxes.push_back(box);
    top->addWidget(box);
  }
  SetCheckedButton = new QPushButton(QStringLiteral("Set Checked"), this);
  SetCheckedButton->setObjectName(QStringLiteral("SetCheckedButton"));
  CloseButton = new QPushButton(QStringLiteral("Close"), this);
  CloseButton->setObjectName(QStringLiteral("CloseButton"));
  for (QPushButton* b : {SetCheckedButton, CloseButton}) b->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(SetCheckedButton);
  buttons->addWidget(CloseButton);
  top->addLayout(buttons);
  setMinimumWidth(Px(this, 320));
  connect(SetCheckedButton, &QPushButton::clicked, this, [this] { SetCheckedClick(); });
  connect(CloseButton, &QPushButton::clicked, this, [this] { CloseClick(); });
}

void LldpTlvPickerDialog::Prepare(QLineEdit* target, const QString& device) {
  target_ = target;
  setWindowTitle(captionPrefix_ + device);
  const std::string text = target ? target->text().toStdString() : std::string();
  for (size_t i = 0; i < names_.size(); ++i) boxes[i]->setChecked(text.find(names_[i].name) != std::string::npos);
}

void LldpTlvPickerDialog::UntickAll() {
  for (QCheckBox* b : boxes) b->setChecked(false);
}

void LldpTlvPickerDialog::SetCheckedClick() {
  std::string names = " ";
  for (size_t i = 0; i < names_.size(); ++i) {
    if (!boxes[i]->isChecked()) continue;
    if (names != " ") names += ',';
    names += names_[i].name;
  }
  if (target_) target_->setText(QString::fromStdString(names));
  UntickAll();
  accept();
}

void LldpTlvPickerDialog::CloseClick() {
  UntickAll();
  reject();
}
