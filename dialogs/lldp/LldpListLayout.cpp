#include "dialogs/lldp/LldpListLayout.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogParts.h"
#include "editors/SnmpDialog.h"

LldpListLayout::LldpListLayout(SnmpDialog* dialog, QSize listMinimum)
    : dialog_(dialog),
      top_(new QVBoxLayout(dialog)),
      list_(MakeListView(dialog, "ListView1", listMinimum.width(), listMinimum.height())),
      fields_(new QFormLayout),
      buttons_(dialog) {
  top_->addWidget(list_, 1);
  auto* counter = new QHBoxLayout;
  QLabel* caption = nullptr;
  QLabel* count = dialog->AddSamplesCounter(dialog, list_, &caption);
  count->setObjectName(QStringLiteral("StaticText1"));
  counter->addStretch(1);
  counter->addWidget(caption);
  counter->addWidget(count);
  top_->addLayout(counter);
  top_->addLayout(fields_);
}

void LldpListLayout::field(const QString& caption, QWidget* control) { fields_->addRow(caption, control); }

QLabel* LldpListLayout::finish() {
  top_->addLayout(buttons_.layout());
  QLabel* panel = nullptr;
  QStatusBar* bar = MakeStatusBar(dialog_, &panel);
  bar->setObjectName(QString());  // these windows have never named theirs
  top_->addWidget(bar);
  return panel;
}
