#include "dialogs/common/PortListLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editors/PortGrid.h"
#include "editors/UiSupport.h"

QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  button->setMinimumWidth(Px(parent, 75));
  return button;
}

PortGrid* AddPortGridGroup(QWidget* parent, QVBoxLayout* layout, const QString& title) {
  auto* group = new QGroupBox(title, parent);
  auto* host = new QWidget(group);
  host->setMinimumHeight(Px(parent, 110));
  (new QVBoxLayout(group))->addWidget(host);
  layout->addWidget(group);
  return AddStandardPortGrid(host);
}

PortGrid* AddPortGridPage(QTabWidget* pages, const QString& title) {
  auto* page = new QWidget(pages);
  page->setMinimumHeight(Px(pages, 150));
  pages->addTab(page, title);
  return AddStandardPortGrid(page);
}

QLabel* AddStatusPanel(QWidget* parent, QStatusBar** bar) {
  auto* status = new QStatusBar(parent);
  status->setObjectName(QStringLiteral("StatusBar1"));
  status->setSizeGripEnabled(false);
  auto* panel = new QLabel(status);
  panel->setObjectName(QStringLiteral("StatusPanel0"));
  panel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status->addWidget(panel, 1);
  if (bar) *bar = status;
  return panel;
}

UnitPortText SplitGlobalPortText(int global) {
  const UnitPort up = SplitGlobalPort(global);
  return {QString::number(up.unit), QString::number(up.port)};
}
