#include "dialogs/common/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include "editors/UiSupport.h"

QPushButton* MakeButton(QWidget* parent, const QString& text, const char* name) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& text, const char* name) {
  auto* c = new QCheckBox(text, parent);
  c->setObjectName(QString::fromLatin1(name));
  return c;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const char* name) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(QString::fromLatin1(name));
  return l;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  return e;
}

QComboBox* MakeCombo(QWidget* parent, const char* name) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setEditable(false);
  return c;
}

QPlainTextEdit* MakeMemo(QWidget* parent, const char* name) {
  auto* m = new QPlainTextEdit(parent);
  m->setObjectName(QString::fromLatin1(name));
  m->setReadOnly(true);
  return m;
}

QStatusBar* MakeStatusBar(QWidget* parent, QLabel** panel0) {
  auto* bar = new QStatusBar(parent);
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(false);
  auto* panel = new QLabel(bar);
  panel->setObjectName(QStringLiteral("StatusPanel0"));
  panel->setTextFormat(Qt::PlainText);
  bar->addWidget(panel, 1);
  if (panel0) *panel0 = panel;
  return bar;
}

QPlainTextEdit* MakeStatusMemo(QWidget* parent) {
  QPlainTextEdit* memo = MakeMemo(parent, "Memo1");
  memo->setMaximumHeight(Px(parent, 60));
  return memo;
}

QLabel* MakeStaticText(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return label;
}

QTreeWidget* MakeListView(QWidget* parent, const char* name, int minWidth, int minHeight) {
  auto* view = new QTreeWidget(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setMinimumSize(Px(parent, minWidth), Px(parent, minHeight));
  return view;
}

QHBoxLayout* RightAlignedButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* b : buttons) row->addWidget(b);
  return row;
}
