// The port grid: a borderless widget with one page per switch unit, each
// page a scroll box of numbered port check boxes. Dedicated dialogs embed it
// and bind its boxes to the bits of port lists themselves.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <string>

class KySNMPRequest2Edits;
class QCheckBox;
class QTabWidget;

// The number of ports of a switch model ("QRX-900" 52, "QRX-700" 28, ...);
// 0 for any other name. Names compare exactly, case included.
int ModelPortCount(const QString& model);
int ModelPortCount(const std::string& model);
int ModelPortCount(const char* model);

// The file whose mere presence in the current folder lays the boxes out 10
// per row.
inline constexpr const char* kDeviceInfoFile = "DeviceInfo.ini";

class PortGrid : public QWidget {
  Q_OBJECT

 public:
  // Boxes per unit: box k of unit u (both from 1) is entry (u - 1) * 64 + k - 1
  // of the check-box list when every unit was added with 64 boxes.
  static constexpr int kBoxesPerUnit = 64;

  // The hosting dialog parents the panel into one of its panels, makes it
  // fill that panel and shows it.
  explicit PortGrid(QWidget* owner = nullptr);

  // Adds one unit page with `count` check boxes captioned 1 to count, laid
  // out `columns` per row (10 when "DeviceInfo.ini" exists), all hidden, the
  // page's tab hidden. The first port number is not used.
  void AddUnit(const QString& caption, int firstPort, int count, int columns);
  // Shows the page of unit `unitText` (a number from 1), titled with its
  // caption, a blank and the model, and the first `portCount` boxes of the
  // unit. A unit text that is no number, a unit without a page or too few
  // boxes are ignored; what was done so far stays.
  void ShowUnit(const QString& unitText, const QString& model, int portCount);
  // Unchecks every box of every unit.
  void ClearAll();

  // Every check box created, in creation order (owned by the panel).
  const QList<QCheckBox*>& CheckBoxes() const { return checkBoxes_; }
  QCheckBox* CheckBox(int i) const { return checkBoxes_.value(i); }
  // The unit pages, in creation order.
  const QList<QWidget*>& UnitPages() const { return unitPages_; }

  QTabWidget* UnitPageControl = nullptr;

 private:
  void FormCreate();

  QList<QCheckBox*> checkBoxes_;
  QList<QWidget*> unitPages_;
};

// ---------------------------------------------------------------------------
// The standard port grid of the dedicated dialogs and the global port
// numbers.

// The model every dialog of this module shows, and its unit's box count.
inline constexpr const char* kGridModel = "QRX-900";

// A port panel filling `host` (its layout is replaced): unit "Unit1" with 64
// boxes, 12 per row, shown for the QRX-900 (boxes 1 to 52 visible, 53 to 64
// hidden but there to be bound).
PortGrid* AddStandardPortGrid(QWidget* host);

// Binds the 64 boxes of unit 1 of `grid` to the port list variable `index`
// bit by bit: box k (port k + 1) is bit k, most significant bit of the first
// byte first (byte k / 8, mask 0x80 >> k % 8).
void BindPortList(KySNMPRequest2Edits& binding, int index, const PortGrid& grid);
// "0,1,...,count - 1", the bit list of a port list binding.
std::string PortBitList(int count = PortGrid::kBoxesPerUnit);

// A single port entered as unit and port: the variable holds the global
// number (unit - 1) * 64 + port. 65 is unit 2 port 1, 64 unit 1 port 64, 0
// unit 0 port 0.
struct UnitPort {
  int unit = 0;
  int port = 0;
  bool operator==(const UnitPort&) const = default;
};
UnitPort SplitGlobalPort(int global);
int JoinGlobalPort(int unit, int port);
