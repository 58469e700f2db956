#include "app/FindCommandForm.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kCommandRole = Qt::UserRole + 1;

QString PlainCaption(QString text) {
  // "&&" is a literal ampersand, a single "&" marks the accelerator.
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  return text.trimmed();
}

void Collect(QMenu* menu, QStringList path, bool enabled, const QAction* skip, std::vector<KyFoundCommand>& out) {
  for (QAction* a : menu->actions()) {
    if (a->isSeparator() || !a->isVisible() || a == skip) continue;
    const bool on = enabled && a->isEnabled();
    if (QMenu* sub = a->menu()) {
      QStringList p = path;
      p << PlainCaption(sub->title());
      Collect(sub, p, on, skip, out);
      continue;
    }
    out.push_back({PlainCaption(a->text()), path, on, a});
  }
}

QStringList Words(const QString& query) { return query.simplified().toLower().split(u' ', Qt::SkipEmptyParts); }

int CaptionHits(const KyFoundCommand& c, const QStringList& words) {
  const QString caption = c.caption.toLower();
  return static_cast<int>(std::count_if(words.begin(), words.end(), [&](const QString& w) { return caption.contains(w); }));
}

}  // namespace

std::vector<KyFoundCommand> CollectCommands(QMenuBar* bar, const QAction* skip) {
  std::vector<KyFoundCommand> out;
  if (bar == nullptr) return out;
  for (QAction* a : bar->actions()) {
    if (a->isSeparator() || !a->isVisible() || a == skip) continue;
    if (QMenu* menu = a->menu())
      Collect(menu, {PlainCaption(menu->title())}, a->isEnabled(), skip, out);
    else
      out.push_back({PlainCaption(a->text()), {}, a->isEnabled(), a});
  }
  return out;
}

bool CommandMatches(const KyFoundCommand& command, const QString& query) {
  const QString text = (command.path.join(u' ') + u' ' + command.caption).toLower();
  const QStringList words = Words(query);
  return std::all_of(words.begin(), words.end(), [&](const QString& w) { return text.contains(w); });
}

std::vector<const KyFoundCommand*> FilterCommands(const std::vector<KyFoundCommand>& commands, const QString& query) {
  std::vector<const KyFoundCommand*> out;
  for (const KyFoundCommand& c : commands)
    if (CommandMatches(c, query)) out.push_back(&c);
  const QStringList words = Words(query);
  std::stable_sort(out.begin(), out.end(), [&](const KyFoundCommand* a, const KyFoundCommand* b) {
    return CaptionHits(*a, words) > CaptionHits(*b, words);
  });
  return out;
}

TFindCommandForm::TFindCommandForm(QWidget* owner, std::vector<KyFoundCommand> commands)
    : QDialog(owner), commands_(std::move(commands)) {
  setObjectName(QStringLiteral("FindCommandForm"));
  setWindowTitle(QStringLiteral("Find Command"));
  SearchEdit = new QLineEdit(this);
  SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
  SearchEdit->setPlaceholderText(QStringLiteral("Type words of a command or its menu"));
  SearchEdit->setClearButtonEnabled(true);
  CommandList = new QTreeWidget(this);
  CommandList->setObjectName(QStringLiteral("CommandList"));
  CommandList->setRootIsDecorated(false);
  CommandList->setHeaderLabels({QStringLiteral("Command"), QStringLiteral("Menu")});
  CommandList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  CommandList->setSelectionMode(QAbstractItemView::SingleSelection);
  CommandList->setFocusPolicy(Qt::NoFocus);
  HintLabel = new QLabel(this);
  HintLabel->setObjectName(QStringLiteral("HintLabel"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(SearchEdit);
  layout->addWidget(CommandList, 1);
  layout->addWidget(HintLabel);
  resize(560, 360);

  SearchEdit->installEventFilter(this);
  connect(SearchEdit, &QLineEdit::textChanged, this, &TFindCommandForm::UpdateList);
  connect(SearchEdit, &QLineEdit::returnPressed, this, &TFindCommandForm::RunCurrent);
  connect(CommandList, &QTreeWidget::itemActivated, this, [this] { RunCurrent(); });
  UpdateList();
  SearchEdit->setFocus();
}

void TFindCommandForm::UpdateList() {
  CommandList->clear();
  const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
  for (const KyFoundCommand* c : FilterCommands(commands_, SearchEdit->text())) {
    auto* item = new QTreeWidgetItem(CommandList, {c->caption, c->path.join(QStringLiteral(" > "))});
    item->setData(0, kCommandRole, QVariant::fromValue(static_cast<int>(c - commands_.data())));
    if (!c->enabled) {
      item->setForeground(0, grey);
      item->setForeground(1, grey);
      item->setToolTip(0, QStringLiteral("Not available now"));
    }
  }
  if (CommandList->topLevelItemCount() > 0) CommandList->setCurrentItem(CommandList->topLevelItem(0));
  HintLabel->setText(CommandList->topLevelItemCount() == 0 ? QStringLiteral("No command matches.") : QString());
}

QStringList TFindCommandForm::ListedCaptions() const {
  QStringList out;
  for (int i = 0; i < CommandList->topLevelItemCount(); ++i) out << CommandList->topLevelItem(i)->text(0);
  return out;
}

void TFindCommandForm::MoveCurrent(int step) {
  const int n = CommandList->topLevelItemCount();
  if (n == 0) return;
  int row = CommandList->indexOfTopLevelItem(CommandList->currentItem());
  row = std::clamp(row + step, 0, n - 1);
  CommandList->setCurrentItem(CommandList->topLevelItem(row));
}

bool TFindCommandForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == SearchEdit && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int page = std::max(1, CommandList->viewport()->height() / std::max(1, CommandList->sizeHintForRow(0)));
    switch (key) {
      case Qt::Key_Down: MoveCurrent(1); return true;
      case Qt::Key_Up: MoveCurrent(-1); return true;
      case Qt::Key_PageDown: MoveCurrent(page); return true;
      case Qt::Key_PageUp: MoveCurrent(-page); return true;
      default: break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool TFindCommandForm::RunCurrent() {
  QTreeWidgetItem* item = CommandList->currentItem();
  if (item == nullptr) return false;
  const KyFoundCommand& c = commands_[static_cast<size_t>(item->data(0, kCommandRole).toInt())];
  // The state may have changed since the window opened.
  if (!c.enabled || !c.action || !c.action->isEnabled()) {
    HintLabel->setText(QStringLiteral("\"%1\" is not available now.").arg(c.caption));
    QApplication::beep();
    return false;
  }
  QPointer<QAction> action = c.action;
  emit commandChosen(action);
  close();
  // Run once this window is gone: the command may open a modal dialog.
  QTimer::singleShot(0, action, [action] {
    if (action) action->trigger();
  });
  return true;
}

TFindCommandForm* OpenFindCommand(QWidget* owner, QMenuBar* bar, const QAction* skip) {
  auto* form = new TFindCommandForm(owner, CollectCommands(bar, skip));
  form->setAttribute(Qt::WA_DeleteOnClose);
  form->show();
  form->activateWindow();
  return form;
}
