#include "app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>

#include "app/FrontPanel.h"
#include "app/Help.h"
#include "app/MenuBar.h"
#include "app/MenuCatalogue.h"
#include "app/MenuCommands.h"
#include "app/ToolsMenu.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/QtSnmpPump.h"
#include "editors/UiSupport.h"
#include "platform/KeyStore.h"
#include "snmp/Request.h"
#include "snmp/Session.h"
#include "tables/DefTables.h"

namespace {

constexpr int kInitialClientWidth = 782;
constexpr int kInitialClientHeight = 151;
constexpr int kStatusBarHeight = 20;

constexpr const char* kRmonItems[] = {"Statistics1", "History1", "AlarmEvent1"};

}  // namespace

TMainForm::TMainForm(const std::vector<std::string>& arguments, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint) {
  // 1. The window and its controls.
  setObjectName("MainForm");
  InitAppResources();
  MainMenu1 = BuildMainMenu(this, [this](const MenuEntry& entry) { MenuCommand(entry); });
  MainMenu1->setObjectName("MainMenu1");
  setMenuBar(MainMenu1);
  BuildToolsMenu(*this);

  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName("ScrollBox1");
  ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ScrollBox1->setWidgetResizable(false);
  setCentralWidget(ScrollBox1);

  StatusBar = statusBar();
  StatusBar->setObjectName("StatusBar");
  StatusBar->setSizeGripEnabled(false);
  StatusBar->setFixedHeight(kStatusBarHeight);
  statusPanel0_ = new QLabel(StatusBar);
  statusPanel0_->setObjectName("StatusPanel0");
  statusPanel0_->setMinimumWidth(50);
  statusPanel0_->setTextFormat(Qt::PlainText);
  StatusBar->addWidget(statusPanel0_, 1);

  ST_RmonState = new QLabel(this);
  ST_RmonState->setObjectName("ST_RmonState");
  ST_RmonState->hide();
  ST_Version = new QLabel(this);
  ST_Version->setObjectName("ST_Version");
  ST_Version->hide();

  SetClientSize(kInitialClientWidth, kInitialClientHeight);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  // 2. The SNMP session; the boots counter lives in the current folder.
  // The pump runs on Qt's event loop (timer and socket notifier).
  InstallQtSnmpPump();
  InitGlobalSession("");

  // 3. Switches and the device profile.
  KyKeyStore keys = KyKeyStore::Default();
  const LaunchResult launch = ReadLaunchParameters(launchTexts_, arguments, keys);
  if (!launch.hadArguments) {
    ShowMessageBox(this, kNoParameterInput, ProgramCaption(), QMessageBox::Ok, QMessageBox::NoIcon);
    terminate_ = true;
  }

  // 4. "SNMP V3" only for SNMPv3.
  if (QMenu* v3 = FindMenu(MainMenu1, "VACM1")) v3->menuAction()->setEnabled(GlobalSecurity.version == 3);

  // 5. The creation event.
  FormCreate();
}

TMainForm::~TMainForm() {
  // The front panel stops its polling before the session's users go.
  delete frontPanel_.data();
}

TPanelQRX900Form* TMainForm::FrontPanel() const { return frontPanel_.data(); }

QSize TMainForm::ClientSize() const {
  return QSize(width(), height() - (MainMenu1 ? MainMenu1->heightForWidth(width()) : 0));
}

void TMainForm::SetClientSize(int width, int height) {
  const int menu = MainMenu1 ? std::max(0, MainMenu1->heightForWidth(width)) : 0;
  setFixedSize(width, height + menu);
}

void TMainForm::SetStatusText(const std::string& text) { statusPanel0_->setText(QString::fromStdString(text)); }

void TMainForm::FormCreate() {
  setWindowTitle(QString::fromLocal8Bit(launchTexts_.agent));
  activated_ = false;
  panelList_.clear();
  if (QMenu* poe = FindMenu(MainMenu1, "PoE1")) poe->menuAction()->setVisible(false);

  try {
    rmonBinding_ = std::make_unique<KySNMPRequest2Edits>(this);
    rmonBinding_->asynchronous = false;
    rmonBinding_->request.varList = KySNMPVarList(tbl::RmonState, 0, 0);
    rmonBinding_->AssociateControl(0, ST_RmonState);
    rmonBinding_->Refresh();

    versionBinding_ = std::make_unique<KySNMPRequest2Edits>(this);
    versionBinding_->asynchronous = false;
    versionBinding_->request.varList = KySNMPVarList(tbl::StpVersion, 0, 0);
    versionBinding_->AssociateControl(0, ST_Version);
    versionBinding_->Refresh();
  } catch (const std::exception& e) {
    SetStatusText(ErrorText(e));
  }
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The first showing is the first activation wherever the desktop does not
  // report activation (for example without a window manager).
  if (!activated_) QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TMainForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activated_) FormActivate();
}

void TMainForm::FormActivate() {
  if (activated_) return;
  activated_ = true;

  // 1. The front panel fills the window above the status bar.
  auto* panel = new TPanelQRX900Form(this, statusPanel0_);
  const int w = panel->width();
  const int h = panel->height();
  ScrollBox1->setWidget(panel);
  panel->move(0, 0);
  frontPanel_ = panel;
  SetClientSize(w + 3, h + StatusBar->height() + 3);
  panel->show();
  if (width() < panel->width()) SetClientSize(panel->width() + 4, ClientSize().height());
  panelList_.push_back(panel);

  // 2. The RMON items follow the device.
  UpdateRmonMenu();
}

void TMainForm::UpdateRmonMenu() {
  if (!rmonBinding_) return;
  try {
    rmonBinding_->Refresh();
    const QString state = ST_RmonState->text();
    if (state != "disabled" && state != "enabled") return;
    for (const char* name : kRmonItems)
      if (QAction* a = FindCommandAction(MainMenu1, name)) a->setEnabled(state == "enabled");
  } catch (const std::exception& e) {
    SetStatusText(ErrorText(e));
  }
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  if (ShowMessageBox(this, "Are you sure to exit?", "Exit", QMessageBox::Yes | QMessageBox::No,
                     QMessageBox::Question) != QMessageBox::Yes) {
    event->ignore();
    return;
  }
  closing_ = true;
  event->accept();
}

void TMainForm::RefreshPanel2Click() {
  auto request = std::make_unique<KySNMPRequest>();
  request->varList.AppendItem(kSystemResetOid, "", Syntax::Integer, Access::Read | Access::Write);
  request->varList.Item(0).value = std::string(kWarmStart);
  if (ShowMessageBox(this, "Are you sure to reboot the device?", "Reboot", QMessageBox::Yes | QMessageBox::No,
                     QMessageBox::Question) == QMessageBox::Yes) {
    request->timeout = kRebootTimeout;
    try {
      request->Write();
    } catch (...) {
      // A rebooting device may well not answer: nothing is reported.
    }
  }
}

void TMainForm::Help2Click() { OpenHelpContents(this); }

DialogContext TMainForm::Context() {
  return DialogContext{this, QString::fromLocal8Bit(launchTexts_.agent), this};
}

void TMainForm::About1Click() {
  if (const MenuEntry* about = FindMenuEntry("About1Click")) RunDedicatedCommand(*about, Context());
}

void TMainForm::MenuCommand(const MenuEntry& entry) {
  try {
    RunCommand(entry);
  } catch (const std::exception& e) {
    // An error that a command leaves unhandled is reported, as the toolkit would.
    ShowMessageBox(this, QString::fromStdString(ErrorText(e)), ProgramCaption(), QMessageBox::Ok,
                   QMessageBox::Critical);
  }
}

void TMainForm::RunCommand(const MenuEntry& entry) {
  MenuCommandContext context;
  context.owner = this;
  context.texts = &launchTexts_;
  context.mainWindow = this;
  context.special = [this](const MenuEntry& e) {
    if (e.handler == "RefreshPanel2Click") RefreshPanel2Click();
    else if (e.handler == "Help2Click") Help2Click();
  };
  RunMenuCommand(entry, context);
}
