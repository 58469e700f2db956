#include "app/FrontPanel.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFrame>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QActionGroup>
#include <QShortcut>
#include <QHelpEvent>
#include <QToolTip>
#include <QCursor>
#include <QToolButton>

#include "app/PanelViews.h"
#include "app/PortTooltip.h"
#include "app/TrafficGraphForm.h"
#include "editors/LedBinding.h"
#include "snmp/VarList.h"

void InitAppResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(resources);
    return true;
  }();
  (void)done;
}

namespace {

constexpr KyLedColorPair kSystemColours[] = {
    {0, kLedBlack}, {1, kLedBlack}, {2, kLedGreen}, {3, kLedGreen}, {4, kLedBlue}, {5, kLedRed}, {0, kNoColor},
};
constexpr KyLedColorPair kPortColours[] = {
    {0, kLedOrange}, {1, kLedOrange}, {2, kLedGreen}, {3, kLedGreen}, {4, kLedGreen}, {5, kLedRed}, {0, kNoColor},
};
constexpr KyLedColorPair kUplinkColours[] = {
    {0, kLedBlack}, {1, kLedOrange}, {2, kLedOrange}, {3, kLedGreen}, {4, kLedGreen}, {5, kLedRed}, {0, kNoColor},
};

}  // namespace

const KySNMPLedColorMapList& SystemLedColorMap() {
  static const KySNMPLedColorMapList map(7, 0x80, kLedBlack, kLedBlack, kSystemColours);
  return map;
}

const KySNMPLedColorMapList& PortLedColorMap() {
  static const KySNMPLedColorMapList map(7, 0x80, kLedBlack, kLedBlack, kPortColours);
  return map;
}

const KySNMPLedColorMapList& UplinkLedColorMap() {
  static const KySNMPLedColorMapList map(7, 0x80, kLedBlack, kLedBlack, kUplinkColours);
  return map;
}

void KyClickImage::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

// ---------------------------------------------------------------------------
TPanelQRX900Form::TPanelQRX900Form(QWidget* owner, QLabel* statusPanel)
    : QWidget(owner, Qt::FramelessWindowHint), statusPanel_(statusPanel) {
  InitAppResources();
  setObjectName("PanelQRX900Form");
  setFixedSize(783, 96);

  Image1 = new KyClickImage(this);
  Image1->setObjectName("Image1");
  Image1->setGeometry(0, 0, 783, 96);
  Image1->setScaledContents(true);
  Image1->setPixmap(QPixmap(":/qrx900/front-panel.png"));
  connect(Image1, &KyClickImage::clicked, this, &TPanelQRX900Form::Image1Click);

  const QPixmap up(":/qrx900/port-rj45-up.png");
  const QPixmap down(":/qrx900/port-rj45-down.png");
  const QPixmap sfp(":/qrx900/port-sfp.png");
  for (int n = 1; n <= kPortButtons; ++n) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString("SpeedButton%1").arg(n));
    b->setCheckable(true);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    // Flat on the picture; a pressed (selected) port is framed and lit.
    b->setStyleSheet(
        "QToolButton { border: none; background: transparent; padding: 0; }"
        "QToolButton:hover { border: 1px solid rgba(255, 255, 255, 110); }"
        "QToolButton:checked, QToolButton:pressed { border: 2px inset #f0c020; background: rgba(240, 192, 32, 110); }");
    const bool fibre = n == 49 || n == 50;
    const bool upper = fibre ? n == 49 : (n <= 48 ? n % 2 == 1 : n == 51 || n == 53);
    const QPixmap& glyph = fibre ? sfp : (upper ? up : down);
    b->setIcon(QIcon(glyph));
    b->setIconSize(glyph.size());
    b->resize(n <= 48 ? QSize(25, upper ? 23 : 24) : fibre ? QSize(21, 15) : QSize(22, 23));
    connect(b, &QToolButton::clicked, this, [this, b] { SpeedButton1Click(b); });
    b->installEventFilter(this);
    speedButtons_.append(b);
  }

  PowerLedPanel = NewPanel("PowerLedPanel");
  ConsoleLedPanel = NewPanel("ConsoleLedPanel");
  LedPanel1 = NewPanel("LedPanel1");
  LedPanel2 = NewPanel("LedPanel2");
  LedPanel3 = NewPanel("LedPanel3");
  Port49LedPanel = NewPanel("Port49LedPanel");
  Port50LedPanel = NewPanel("Port50LedPanel");
  Port51LedPanel = NewPanel("Port51LedPanel");
  Port52LedPanel = NewPanel("Port52LedPanel");
  Port49LedPanel->setGeometry(734, 8, 7, 7);
  Port50LedPanel->setGeometry(747, 8, 7, 7);
  Port51LedPanel->setGeometry(760, 8, 7, 7);
  Port52LedPanel->setGeometry(773, 8, 7, 7);

  FormCreate();

  viewer_ = new TPanelViewer(this, kLedPollInterval * 10);
  tooltips_ = new KyPortTooltips(this, kLedPollInterval * 10);
  Image1->installEventFilter(this);
  auto* back = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  back->setContext(Qt::WindowShortcut);
  connect(back, &QShortcut::activated, this, [this] {
    if (CurrentView() != KyPanelView::Leds) ShowView(KyPanelView::Leds);
  });
}

QMenu* TPanelQRX900Form::ViewMenu() {
  auto* menu = new QMenu(this);
  auto* group = new QActionGroup(menu);
  struct Item {
    const char* caption;
    const char* name;
    KyPanelView view;
  };
  const Item items[] = {
      {"Show: LEDs", "actionShowLeds", KyPanelView::Leds},
      {"VLAN membership...", "actionShowVlan", KyPanelView::Vlan},
      {"Spanning Tree State", "actionShowSpanningTree", KyPanelView::SpanningTree},
      {"Load", "actionShowLoad", KyPanelView::Load},
      {"Errors", "actionShowErrors", KyPanelView::Errors},
  };
  for (const Item& item : items) {
    QAction* a = menu->addAction(QString::fromUtf8(item.caption));
    a->setObjectName(QString::fromUtf8(item.name));
    a->setCheckable(true);
    a->setChecked(CurrentView() == item.view);
    group->addAction(a);
    const KyPanelView view = item.view;
    connect(a, &QAction::triggered, this, [this, view] {
      if (view == KyPanelView::Vlan) ChooseVlanView();
      else ShowView(view);
    });
  }
  return menu;
}

KyPanelView TPanelQRX900Form::CurrentView() const { return viewer_ ? viewer_->View() : KyPanelView::Leds; }

void TPanelQRX900Form::ChooseVlanView() {
  const int vlan = ChooseVlan(window(), viewer_->Vlan());
  if (vlan > 0) ShowView(KyPanelView::Vlan, vlan);
}

void TPanelQRX900Form::ShowView(KyPanelView view, int vlan) {
  if (closed_ || viewer_ == nullptr) return;
  const bool wasLeds = CurrentView() == KyPanelView::Leds;
  if (view == KyPanelView::Leds) {
    viewer_->Show(view);
    setFixedSize(783, 96);
    // The LEDs as always: a poll every 3 s, the first at once.
    if (!wasLeds && leds_) {
      try {
        leds_->StartPolling(kLedPollInterval);
      } catch (const std::exception&) {
        // As at creation: the later polls report the error.
      }
    }
  } else {
    if (wasLeds && leds_) leds_->StopPolling();
    setFixedSize(783, 96 + TPanelViewer::kLegendHeight);
    viewer_->Show(view, vlan);
  }
  emit resized();
}

TPanelQRX900Form::~TPanelQRX900Form() { FormClose(); }

QFrame* TPanelQRX900Form::NewPanel(const char* name) {
  auto* panel = new QFrame(this);
  panel->setObjectName(name);
  panel->setFrameShape(QFrame::NoFrame);
  panel->setAttribute(Qt::WA_TransparentForMouseEvents);
  return panel;
}

QString TPanelQRX900Form::PortHint(int button) {
  if (button >= 1 && button <= 48) return QString("%1.100").arg(button);
  if (button == 49 || button == 50) return QString("%1.101").arg(button);
  if (button >= 51 && button <= 54) return QString("%1.100").arg(button - 2);
  return {};
}

int TPanelQRX900Form::ButtonPort(int button) {
  if (button >= 1 && button <= 50) return button;
  if (button >= 51 && button <= 54) return button - 2;
  return 0;
}

QMenu* TPanelQRX900Form::PortMenu(QToolButton* button) {
  const int port = ButtonPort(static_cast<int>(speedButtons_.indexOf(button)) + 1);
  if (port == 0) return nullptr;
  auto* menu = new QMenu(this);
  QAction* graph = menu->addAction(QStringLiteral("Traffic Graph..."));
  graph->setObjectName(QStringLiteral("actionTrafficGraph"));
  connect(graph, &QAction::triggered, this, [this, port] { OpenTrafficGraph({port}); });
  return menu;
}

TTrafficGraphForm* TPanelQRX900Form::OpenTrafficGraph(const std::vector<int>& ports) {
  // A window of its own beside the main window, closed with it.
  auto* form = new TTrafficGraphForm(window(), ports);
  form->show();
  form->Start();
  return form;
}

void TPanelQRX900Form::FormCreate() {
  // 1. Hints (shown nowhere: they name the port and its medium).
  for (int n = 1; n <= kPortButtons; ++n) SpeedButton(n)->setToolTip(PortHint(n));

  // 2. Geometry.
  PowerLedPanel->setGeometry(53, 59, 7, 7);
  ConsoleLedPanel->setGeometry(53, 75, 7, 7);
  for (int n = 1; n <= 48; ++n) {
    int left;
    if (n <= 16)
      left = 65 + 25 * ((n - 1) / 2);
    else if (n <= 32)
      left = 280 + 25 * ((n - 17) / 2);
    else if (n <= 46)
      left = 492 + 25 * ((n - 33) / 2);
    else
      left = 668;
    SpeedButton(n)->move(left, n % 2 == 1 ? 25 : 51);
  }
  SpeedButton(49)->setGeometry(698, 30, 21, 15);
  SpeedButton(50)->setGeometry(698, 56, 21, 15);
  SpeedButton(51)->setGeometry(730, 26, 22, 23);
  SpeedButton(52)->setGeometry(730, 51, 22, 23);
  SpeedButton(53)->setGeometry(756, 26, 22, 23);
  SpeedButton(54)->setGeometry(756, 51, 22, 23);
  LedPanel1->setGeometry(67, 8, 201, 7);
  LedPanel2->setGeometry(280, 8, 201, 7);
  LedPanel3->setGeometry(496, 8, 201, 7);

  // 3. to 8.
  CreateLedBinding();
}

void TPanelQRX900Form::CreateLedBinding() {
  try {
    // 3. The binding on the LED variable, instance 0.
    leds_ = std::make_unique<KySNMPRequest2Leds>(this);
    KySNMPVarList list;
    list.AppendItem(kLedStatusOid, kLedStatusLabel, Syntax::DisplayString, Access::Read);
    list.kind = 1;
    list.keyCount = 0;
    list.name = kLedListName;
    leds_->request.varList = list;
    leds_->request.varList.index = "0";

    // 4. Bytes 0 and 1 alone, (status, colour) pairs from byte 2 on.
    leds_->SetMode(2, 2);

    // 5. The LEDs.
    struct Row {
      QFrame* panel;
      const char* positions;
      const KySNMPLedColorMapList& map;
      int gap, width, height;
    };
    const Row rows[] = {
        {PowerLedPanel, "0", SystemLedColorMap(), 10, 5, 5},
        {ConsoleLedPanel, "1", SystemLedColorMap(), 10, 5, 5},
        {LedPanel1, "2,4,6,8,10,12,14,16,18,20,22,24,26,28,30,32", PortLedColorMap(), 7, 6, 6},
        {LedPanel2, "34,36,38,40,42,44,46,48,50,52,54,56,58,60,62,64", PortLedColorMap(), 7, 6, 6},
        {LedPanel3, "66,68,70,72,74,76,78,80,82,84,86,88,90,92,94,96", PortLedColorMap(), 7, 6, 6},
        {Port49LedPanel, "98", UplinkLedColorMap(), 10, 6, 6},
        {Port50LedPanel, "100", UplinkLedColorMap(), 10, 6, 6},
        {Port51LedPanel, "102", UplinkLedColorMap(), 10, 6, 6},
        {Port52LedPanel, "104", UplinkLedColorMap(), 10, 6, 6},
    };
    for (const Row& r : rows)
      leds_->AddLedRow(0, r.positions, r.map, r.panel, 1, r.gap, KyLedShape::Rectangle, r.width, r.height);

    // 6. Status in the main window's status panel.
    leds_->SetStatusTarget(statusPanel_);
    leds_->request.varList.name = kLedListName;

    // 7. A poll every 3 s, the first at once.
    leds_->StartPolling(kLedPollInterval);
  } catch (const std::exception&) {
    // 8. The view stays as far as it was built; later polls report errors.
  }
}

void TPanelQRX900Form::Image1Click() {
  if (selected_) selected_->setChecked(false);
}

void TPanelQRX900Form::SpeedButton1Click(QToolButton* sender) {
  if (!sender) return;
  if (selected_ && selected_ != sender) selected_->setChecked(false);
  selected_ = sender;
  sender->setChecked(true);
}

void TPanelQRX900Form::SpeedButton1DblClick(QToolButton*) {}

bool TPanelQRX900Form::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::ContextMenu) {
    QMenu* menu = ViewMenu();
    menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
    delete menu;
    return true;
  }
  auto* b = qobject_cast<QToolButton*>(watched);
  if (b && speedButtons_.contains(b)) {
    // The hints name the port and its medium for the program; the tooltip
    // shows what the port is and does, read when it is hovered.
    if (event->type() == QEvent::ToolTip) {
      const int port = ButtonPort(static_cast<int>(speedButtons_.indexOf(b)) + 1);
      QPointer<QToolButton> button(b);
      const QString text = tooltips_->Text(port, [button](const QString& t) {
        if (button && button->underMouse() && QToolTip::isVisible()) QToolTip::showText(QCursor::pos(), t, button);
      });
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, b);
      return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) SpeedButton1DblClick(b);
    if (event->type() == QEvent::ContextMenu) {
      // The selection stays as it is: the menu is about the port under the mouse.
      if (QMenu* menu = PortMenu(b)) {
        menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        delete menu;
      }
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TPanelQRX900Form::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
  deleteLater();
}

void TPanelQRX900Form::FormClose() {
  if (closed_) return;
  closed_ = true;
  if (viewer_) viewer_->Show(KyPanelView::Leds);
  if (!leds_) return;
  leds_->StopPolling();
  // A read in flight ends with its reply or its timeout; the wait gives up
  // after a few seconds anyway.
  leds_->StopAndWait();
  leds_.reset();
}
