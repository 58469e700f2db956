// The front-panel view of the QRX-900: the picture of the switch with one
// button per port and the LED shapes, which follow the device through one
// SNMP read every 3 seconds.
#pragma once

#include <QLabel>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

class KySNMPLedColorMapList;
class KySNMPRequest2Leds;
class QFrame;
class QMenu;
class QToolButton;
class TTrafficGraphForm;
class TPanelViewer;
class KyPortTooltips;
enum class KyPanelView;

// The three colour maps of the front panel, built once for the process.
const KySNMPLedColorMapList& SystemLedColorMap();  // power and console LEDs
const KySNMPLedColorMapList& PortLedColorMap();    // ports 1 to 48
const KySNMPLedColorMapList& UplinkLedColorMap();  // ports 49 to 52

// The variable that carries the state of all LEDs (instance 0).
inline constexpr const char* kLedStatusOid = "1.3.6.1.4.1.32473.11.63.8.2.1.1.5";
inline constexpr const char* kLedStatusLabel = "swL2DevInfoFrontPanelLedStatus";
inline constexpr const char* kLedListName = " Led Status";
// Poll interval in hundredths of a second.
inline constexpr int kLedPollInterval = 300;

// Makes the images of the layout resource available (the library is static).
void InitAppResources();

// The picture: a label that reports clicks.
class KyClickImage : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class TPanelQRX900Form : public QWidget {
  Q_OBJECT

 signals:
  // The panel changed its size (the legend strip came or went).
  void resized();

 public:
  static constexpr int kPortButtons = 54;

  // `statusPanel` receives the poll status (panel 0 of the main window's
  // status bar); may be null.
  explicit TPanelQRX900Form(QWidget* owner, QLabel* statusPanel = nullptr);
  ~TPanelQRX900Form() override;

  // Port button n (1 to 54).
  QToolButton* SpeedButton(int n) const { return speedButtons_.value(n - 1); }
  QToolButton* SelectedButton() const { return selected_; }
  KySNMPRequest2Leds* Leds() const { return leds_.get(); }

  // Button hint: port number and medium code ("1.100" copper, "49.101" fibre).
  static QString PortHint(int button);
  // The port (ifIndex) of button n: 49 and 50 are the fibre slots of ports
  // 49 and 50, 51 to 54 the copper ports 49 to 52. 0 for no button.
  static int ButtonPort(int button);

  // The context menu of a port button ("Traffic Graph..."), owned by the
  // caller, and the ports it applies to: the button's own port.
  QMenu* PortMenu(QToolButton* button);
  // Opens a traffic graph window for the ports and starts it polling.
  TTrafficGraphForm* OpenTrafficGraph(const std::vector<int>& ports);

  // The context menu of the panel outside the ports: the views ("Show:
  // LEDs", "VLAN membership...", "Spanning Tree State", "Load", "Errors"),
  // owned by the caller.
  QMenu* ViewMenu();
  // Shows a view (`vlan` for the VLAN view). The LED view is the panel as
  // it always is; the others colour the ports, show the legend strip under
  // the picture and stop the LED poll while they are shown. Esc goes back to
  // the LEDs.
  void ShowView(KyPanelView view, int vlan = 0);
  KyPanelView CurrentView() const;
  TPanelViewer* Viewer() const { return viewer_; }
  // The port tooltips (read when a port is hovered).
  KyPortTooltips* Tooltips() const { return tooltips_; }
  // "VLAN membership...": asks for the VLAN, then shows it.
  void ChooseVlanView();

  // Handlers.
  void Image1Click();
  void SpeedButton1Click(QToolButton* sender);
  void SpeedButton1DblClick(QToolButton* sender);

  KyClickImage* Image1 = nullptr;
  QFrame* PowerLedPanel = nullptr;
  QFrame* ConsoleLedPanel = nullptr;
  QFrame* LedPanel1 = nullptr;
  QFrame* LedPanel2 = nullptr;
  QFrame* LedPanel3 = nullptr;
  QFrame* Port49LedPanel = nullptr;
  QFrame* Port50LedPanel = nullptr;
  QFrame* Port51LedPanel = nullptr;
  QFrame* Port52LedPanel = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormClose();
  void CreateLedBinding();
  QFrame* NewPanel(const char* name);

  QPointer<QLabel> statusPanel_;
  QList<QToolButton*> speedButtons_;
  QToolButton* selected_ = nullptr;
  std::unique_ptr<KySNMPRequest2Leds> leds_;
  bool closed_ = false;
  TPanelViewer* viewer_ = nullptr;
  KyPortTooltips* tooltips_ = nullptr;
};
