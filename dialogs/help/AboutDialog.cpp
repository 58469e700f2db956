#include "dialogs/help/AboutDialog.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/Version.h"

// The model icons live in this library's own resources.
static void InitAboutIcons() {
  static const bool done = [] {
    Q_INIT_RESOURCE(AboutIcons);
    return true;
  }();
  (void)done;
}

const char* const AboutDialog::kModels[5] = {"QRX-700", "QRX-700P", "QRX-900", "QRX-900P", "QRX-700G"};

namespace {
constexpr const char* kShownModel = "QRX-900";
}

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner) {
  InitAboutIcons();
  setObjectName("AboutForm");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(true);

  // The five model icons share one place left of the texts; the texts take
  // the width they need at the current font and dpi, and the box fits them
  // (also when the build line replaces the version).
  auto* icons = new QWidget(this);
  icons->setFixedSize(32, 32);
  for (int i = 0; i < 5; ++i) {
    auto* icon = new QLabel(icons);
    icon->setObjectName(QString("Image%1").arg(i + 1));
    icon->setGeometry(0, 0, 32, 32);
    icon->setPixmap(QPixmap(QString(":/qrx900/model-%1.png").arg(kModels[i])));
    ModelIcons.append(icon);
  }

  AboutLabel = new QLabel(this);
  AboutLabel->setObjectName("AboutLabel");
  QFont bold = AboutLabel->font();
  bold.setBold(true);
  AboutLabel->setFont(bold);

  VersionLabel = new QLabel("Release Version 2.0", this);
  VersionLabel->setObjectName("VersionLabel");

  InfoLabel = new QLabel(QString("%1 %2 for the QRX-900 52-port managed switch.").arg(kProgramName, ProgramVersion()),
                         this);
  InfoLabel->setObjectName("InfoLabel");

  auto* texts = new QVBoxLayout;
  texts->setSpacing(4);
  for (QLabel* label : {AboutLabel, VersionLabel, InfoLabel}) {
    label->setTextFormat(Qt::PlainText);
    texts->addWidget(label);
  }

  auto* top = new QHBoxLayout;
  top->setSpacing(16);
  top->addWidget(icons, 0, Qt::AlignTop);
  top->addLayout(texts, 1);

  BT_Ok = new QPushButton("OK", this);
  BT_Ok->setObjectName("BT_Ok");
  BT_Ok->setMinimumWidth(80);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 14);
  layout->setSpacing(12);
  layout->addLayout(top);
  layout->addWidget(BT_Ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  BT_Ok->setDefault(true);
  connect(BT_Ok, &QPushButton::clicked, this, &QDialog::accept);
  BT_Ok->installEventFilter(this);
}

void AboutDialog::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void AboutDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
  QDialog::changeEvent(event);
}

void AboutDialog::FormActivate() {
  for (int i = 0; i < ModelIcons.size(); ++i) ModelIcons[i]->setVisible(QLatin1String(kModels[i]) == kShownModel);
  AboutLabel->setText("Norvane QRX-900 Management Module");
  setWindowTitle("About QRX-900 Module");
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == BT_Ok && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    BT_OkKeyDown(key->key(), key->modifiers());
  }
  return QDialog::eventFilter(watched, event);
}

void AboutDialog::BT_OkKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  // Shift+Alt+F3 (Ctrl does not matter) shows the build.
  if (key == Qt::Key_F3 && (modifiers & Qt::ShiftModifier) && (modifiers & Qt::AltModifier))
    VersionLabel->setText("Release Version 2.00V09(Build 2008/12/12)");
}
