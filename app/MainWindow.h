// The main window: owner of the program's start-up (SNMP session, launch
// parameters, two reads from the agent), the menu bar, the status bar and
// the front-panel view.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "app/LaunchParameters.h"
#include "editors/DialogContext.h"

class KySNMPRequest2Edits;
class QLabel;
class QMenuBar;
class QScrollArea;
class QStatusBar;
class TPanelQRX900Form;
struct MenuEntry;

// The system-reset variable written by "Reboot", and its warm-start value.
inline constexpr const char* kSystemResetOid = "1.3.6.1.4.1.32473.12.1.2.3";
inline constexpr const char* kWarmStart = "3";
// Timeout of the reboot write, hundredths of a second.
inline constexpr int kRebootTimeout = 500;

class TMainForm : public QMainWindow, public MainWindowServices {
  Q_OBJECT

 public:
  // Runs the start-up with the program's arguments (without the program
  // name). Errors of the session or of the launch parameters (a number that
  // is no integer) escape: the window is then not usable and the caller
  // reports them.
  explicit TMainForm(const std::vector<std::string>& arguments, QWidget* parent = nullptr);
  ~TMainForm() override;

  // The program was started without arguments: "No parameter input" has been
  // shown and the program is to end.
  bool TerminateRequested() const { return terminate_; }

  const LaunchTexts& Texts() const { return launchTexts_; }
  // Panel 0 of the status bar: error texts and the front panel's poll status.
  TPanelQRX900Form* FrontPanel() const;
  const std::vector<TPanelQRX900Form*>& PanelList() const { return panelList_; }
  bool Activated() const { return activated_; }
  KySNMPRequest2Edits* RmonBinding() const { return rmonBinding_.get(); }
  KySNMPRequest2Edits* VersionBinding() const override { return versionBinding_.get(); }
  QLabel* VersionText() const override { return ST_Version; }
  QLabel* StatusPanel0() const override { return statusPanel0_; }
  // What a dedicated dialog opened from this window receives.
  DialogContext Context();

  // The client area: below the menu bar, status bar included.
  QSize ClientSize() const;
  void SetClientSize(int width, int height);

  // Events and commands.
  void FormCreate();
  void FormActivate();
  void RefreshPanel2Click();  // "Reboot"
  void Help2Click();          // "Help"
  void About1Click();         // "About": its registered dialog
  // Carries out a command of the menu bar by its pattern.
  void MenuCommand(const MenuEntry& entry);

  QMenuBar* MainMenu1 = nullptr;
  QStatusBar* StatusBar = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  QLabel* ST_RmonState = nullptr;
  QLabel* ST_Version = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void SetStatusText(const std::string& text);
  void UpdateRmonMenu();
  void RunCommand(const MenuEntry& entry);

  LaunchTexts launchTexts_;
  bool terminate_ = false;
  bool activated_ = false;
  bool closing_ = false;
  std::vector<TPanelQRX900Form*> panelList_;
  QPointer<TPanelQRX900Form> frontPanel_;
  std::unique_ptr<KySNMPRequest2Edits> rmonBinding_;
  std::unique_ptr<KySNMPRequest2Edits> versionBinding_;
  QLabel* statusPanel0_ = nullptr;
};
