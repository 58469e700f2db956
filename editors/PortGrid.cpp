#include "editors/PortGrid.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "editors/ControlBinding.h"

namespace {

struct ModelPorts {
  const char* name;
  int ports;
};

// In the order the names are compared.
constexpr ModelPorts kModels[] = {
    {"QRX-700", 28}, {"QRX-900", 52}, {"QRX-700P", 28}, {"QRX-900P", 52}, {"QRX-700G", 28},
};

// Default check-box height of the layout; taller when the font needs it.
constexpr int kCheckBoxHeight = 17;

}  // namespace

int ModelPortCount(const QString& model) {
  for (const auto& m : kModels)
    if (model == QLatin1String(m.name)) return m.ports;
  return 0;
}

int ModelPortCount(const std::string& model) {
  for (const auto& m : kModels)
    if (model == m.name) return m.ports;
  return 0;
}

int ModelPortCount(const char* model) { return model ? ModelPortCount(std::string(model)) : 0; }

PortGrid::PortGrid(QWidget* owner) : QWidget(owner, Qt::FramelessWindowHint) {
  setObjectName("PortUitForm");
  setWindowTitle("Form");
  QFont f = font();
  f.setPointSize(8);
  setFont(f);
  resize(543, 252);

  UnitPageControl = new QTabWidget(this);
  UnitPageControl->setObjectName("UnitPageControl");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(UnitPageControl);
  FormCreate();
}

void PortGrid::FormCreate() {
  checkBoxes_.clear();
  unitPages_.clear();
}

void PortGrid::AddUnit(const QString& caption, int /*firstPort*/, int count, int columns) {
  auto* page = new QWidget;
  page->setObjectName(QString("UnitPage%1").arg(unitPages_.size() + 1));
  UnitPageControl->addTab(page, caption);
  unitPages_.append(page);

  auto* scroll = new QScrollArea(page);
  scroll->setObjectName(QString("UnitScrollBox%1").arg(unitPages_.size()));
  scroll->setFrameShape(QFrame::NoFrame);
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->setContentsMargins(0, 0, 0, 0);
  pageLayout->addWidget(scroll);
  auto* box = new QWidget;
  scroll->setWidget(box);
  scroll->setWidgetResizable(false);

  if (QFileInfo::exists(kDeviceInfoFile)) columns = 10;
  if (columns < 1) columns = 1;

  int right = 0, bottom = 0;
  for (int i = 0; i < count; ++i) {
    auto* cb = new QCheckBox(QString::number(i + 1), box);
    cb->setObjectName(QString("PortCheckBox%1").arg(checkBoxes_.size() + 1));
    const int s = cb->font().pointSize() > 0 ? cb->font().pointSize() : 8;
    const int height = std::max(kCheckBoxHeight, cb->sizeHint().height());
    const int width = static_cast<int>(cb->text().size()) * s + s * 3;
    const int left = (i % columns) * s * 5 + 20;
    const int top = (i / columns) * height + 4;
    cb->setGeometry(left, top, std::max(width, cb->sizeHint().width()), height);
    cb->hide();
    checkBoxes_.append(cb);
    right = std::max(right, cb->geometry().right() + 1);
    bottom = std::max(bottom, top + height);
  }
  box->resize(right + 4, bottom + 4);
  // The page is as large as its boxes at any font size: the grid never
  // scrolls, and never hides a port behind a scroll bar.
  box->setMinimumSize(box->size());
  scroll->setMinimumSize(box->size());
  page->setMinimumSize(box->size());

  // The pages are shown without a tab row.
  UnitPageControl->tabBar()->hide();
}

void PortGrid::ShowUnit(const QString& unitText, const QString& model, int portCount) {
  bool ok = false;
  const int u = unitText.trimmed().toInt(&ok);
  if (!ok || u < 1 || u > unitPages_.size()) return;
  QWidget* page = unitPages_[u - 1];
  const int tab = UnitPageControl->indexOf(page);
  if (tab < 0) return;
  UnitPageControl->setTabText(tab, UnitPageControl->tabText(tab) + " " + model);
  UnitPageControl->tabBar()->hide();
  UnitPageControl->setCurrentIndex(tab);
  page->show();

  const qsizetype first = static_cast<qsizetype>(u - 1) * kBoxesPerUnit;
  for (qsizetype k = 0; k < portCount; ++k) {
    if (first + k >= checkBoxes_.size()) return;
    checkBoxes_[first + k]->show();
  }
}

void PortGrid::ClearAll() {
  for (QCheckBox* cb : checkBoxes_) cb->setChecked(false);
}

// ---------------------------------------------------------------------------
PortGrid* AddStandardPortGrid(QWidget* host) {
  auto* grid = new PortGrid(host);
  grid->setWindowFlags(Qt::Widget);  // embedded, not a window of its own
  delete host->layout();
  auto* layout = new QVBoxLayout(host);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid);
  grid->AddUnit("Unit1", 1, PortGrid::kBoxesPerUnit, 12);
  grid->ShowUnit("1", kGridModel, ModelPortCount(kGridModel));
  grid->show();
  return grid;
}

std::string PortBitList(int count) {
  std::string bits;
  for (int i = 0; i < count; ++i) {
    if (i) bits += ',';
    bits += std::to_string(i);
  }
  return bits;
}

void BindPortList(KySNMPRequest2Edits& binding, int index, const PortGrid& grid) {
  std::vector<QCheckBox*> boxes;
  for (int k = 0; k < PortGrid::kBoxesPerUnit; ++k) boxes.push_back(grid.CheckBox(k));
  binding.AssociatePortList(index, PortBitList(), boxes);
}

UnitPort SplitGlobalPort(int global) {
  if (global <= 0) return {};
  const int port = global % PortGrid::kBoxesPerUnit;
  if (port != 0) return {global / PortGrid::kBoxesPerUnit + 1, port};
  return {global / PortGrid::kBoxesPerUnit, PortGrid::kBoxesPerUnit};
}

int JoinGlobalPort(int unit, int port) { return (unit - 1) * PortGrid::kBoxesPerUnit + port; }
