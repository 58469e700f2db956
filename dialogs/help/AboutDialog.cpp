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
    modelIcons.append(icon);
  }

  aboutLabel = new QLabel(this);
  aboutLabel->setObjectName("AboutLabel");
  QFont bold = aboutLabel->font();
  bold.setBold(true);
  aboutLabel->setFont(bold);

  versionLabel = new QLabel("Release Version 2.0", this);
  versionLabel->setObjectName("VersionLabel");

  infoLabel = new QLabel(QString("%1 %2 for the QRX-900 52-port managed switch.").arg(kProgramName, ProgramVersion()),
                         this);
  infoLabel->setObjectName("InfoLabel");

  auto* texts = new QVBoxLayout;
  texts->setSpacing(4);
  for (QLabel* label : {aboutLabel, versionLabel, infoLabel}) {
    label->setTextFormat(Qt::PlainText);
    texts->addWidget(label);
  }

  auto* top = new QHBoxLayout;
  top->setSpacing(16);
  top->addWidget(icons, 0, Qt::AlignTop);
  top->addLayout(texts, 1);

  okButton = new QPushButton("OK", this);
  okButton->setObjectName("BT_Ok");
  okButton->setMinimumWidth(80);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 14);
  layout->setSpacing(12);
  layout->addLayout(top);
  layout->addWidget(okButton, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  okButton->installEventFilter(this);
}

void AboutDialog::showEvent(QShowEvent* event) {
  updateTexts();
  QDialog::showEvent(event);
}

void AboutDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) updateTexts();
  QDialog::changeEvent(event);
}

void AboutDialog::updateTexts() {
  for (int i = 0; i < modelIcons.size(); ++i) modelIcons[i]->setVisible(QLatin1String(kModels[i]) == kShownModel);
  aboutLabel->setText("Norvane QRX-900 Management Module");
  setWindowTitle("About QRX-900 Module");
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == okButton && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    okKeyPressed(key->key(), key->modifiers());
  }
  return QDialog::eventFilter(watched, event);
}

void AboutDialog::okKeyPressed(int key, Qt::KeyboardModifiers modifiers) {
  // Shift+Alt+F3 (Ctrl does not matter) shows the build.
  if (key == Qt::Key_F3 && (modifiers & Qt::ShiftModifier) && (modifiers & Qt::AltModifier))
    versionLabel->setText("Release Version 2.00V09(Build 2008/12/12)");
}
