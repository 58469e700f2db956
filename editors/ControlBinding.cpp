#include "editors/ControlBinding.h"

#include "editors/PortListText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVarLengthArray>
#include <algorithm>
#include <cstring>

#include "editors/ByteImage.h"
#include "editors/Errors.h"
#include "editors/QtSnmpPump.h"
#include "snmp/SnmpPump.h"
#include "snmp/Value.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

bool IsBoolSyntax(ImageSyntax s) {
  return s == Syntax::Boolean || s == PieceSyntax::Bool8 || s == PieceSyntax::Bool16;
}

// Index of the option named by a text: first by label, then by value.
int FindOption(const KyOptionList* options, const std::string& text) {
  if (options == nullptr) return -1;
  int i = options->IndexOfLabel(text);
  return i >= 0 ? i : options->IndexOfValue(text);
}

uint64_t Num(const QString& text) { return text.trimmed().toULongLong(); }

std::string Hex2(const QString& text) {
  QString t = text.trimmed();
  if (t.isEmpty()) return "00";
  if (t.size() == 1) return "0" + S(t);
  return S(t.left(2));
}

constexpr int kMaxBit = 65535;

// How often a walk puts the lines it got into the list view. The view lays
// itself out anew and is drawn for every change: line by line that cost far
// more than the walk itself. Laying out goes over every line the view holds,
// so once it holds a few hundred the pause between two showings grows with
// the lines shown (kRowsPerExtraMs lines add a millisecond), up to a second:
// the share of the walk spent on the view stays small at any length, and a
// long table still grows in sight.
constexpr int kRowShowIntervalMs = 50;
constexpr int kRowsPerExtraMs = 4;
constexpr int kLongestRowShowIntervalMs = 1000;

qint64 RowShowInterval(int linesShown) {
  return std::clamp<qint64>(linesShown / kRowsPerExtraMs, kRowShowIntervalMs, kLongestRowShowIntervalMs);
}

QWidget* Control(const ControlBinding& b, int k) { return b.controls[static_cast<size_t>(k)].data(); }

// The bytes of a value as read: none for the placeholders and for a text
// that is no value of the syntax.
std::string ValueImage(const std::string& text, ImageSyntax syntax) {
  if (text.empty() || text == kNullText || text == kNotDoneText) return {};
  try {
    return TextToImage(text, syntax);
  } catch (const std::exception&) {
    return {};
  }
}

// A line of a walked table. It keeps the values' bytes as they came and
// makes their texts only when they are asked for (drawn, exported, sorted):
// a long table puts thousands of lines into the view, of which a screenful
// is ever drawn. Texts set on the line (a dialog changing a cell) replace
// the bytes; other roles are the item's own.
class WalkedLine final : public QTreeWidgetItem {
 public:
  WalkedLine(const WalkedLine&) = default;  // a copy not in any view, as QTreeWidgetItem's own

  // The values of the list's variables `columns`, in column order.
  WalkedLine(const KySNMPVarList& list, const std::vector<int>& columns) {
    size_t size = 0;
    for (int v : columns) size += list.Item(v).value.size();
    bytes_.reserve(size);
    ends_.reserve(static_cast<qsizetype>(columns.size()));
    for (int v : columns) {
      bytes_ += list.Item(v).value;
      ends_.append(static_cast<uint32_t>(bytes_.size()));
    }
    // The item counts its columns by its own store: give it as many, with
    // an empty entry in the last (cheaper than as many empty texts).
    if (!ends_.isEmpty()) QTreeWidgetItem::setData(static_cast<int>(ends_.size()) - 1, kColumnsRole, QVariant());
  }

  QVariant data(int column, int role) const override {
    if (IsText(column, role)) {
      const std::string_view cell = Cell(column);
      return QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
    }
    return QTreeWidgetItem::data(column, role);
  }

  void setData(int column, int role, const QVariant& value) override {
    if (!IsText(column, role)) {
      QTreeWidgetItem::setData(column, role, value);
      return;
    }
    const std::string text = value.toString().toStdString();
    const std::string_view old = Cell(column);
    if (text == old) return;
    const size_t begin = static_cast<size_t>(old.data() - bytes_.data());
    bytes_.replace(begin, old.size(), text);
    const auto grown = static_cast<int64_t>(text.size()) - static_cast<int64_t>(old.size());
    for (qsizetype k = column; k < ends_.size(); ++k) ends_[k] = static_cast<uint32_t>(ends_[k] + grown);
    // The item's own store tells the view which cell changed.
    QTreeWidgetItem::setData(column, role, value);
  }

  QTreeWidgetItem* clone() const override { return new WalkedLine(*this); }

  // The bytes of a cell, exactly as they were read (or set since).
  std::string_view Cell(int column) const {
    if (column < 0 || column >= ends_.size()) return {};
    const uint32_t begin = column == 0 ? 0 : ends_[column - 1];
    return std::string_view(bytes_).substr(begin, ends_[column] - begin);
  }
  int CellCount() const { return static_cast<int>(ends_.size()); }

 private:
  bool IsText(int column, int role) const {
    return (role == Qt::DisplayRole || role == Qt::EditRole) && column >= 0 && column < ends_.size();
  }

  static constexpr int kColumnsRole = Qt::UserRole + 0x5100;
  // One block for all the cells: a long table has thousands of lines.
  std::string bytes_;
  QVarLengthArray<uint32_t, 12> ends_;  // where each cell ends in bytes_
};

// A value shown in one edit per part (the bytes of an octet string or an
// address, the fields of a time): false for a syntax shown in a single edit.
bool FillPartEdits(const std::vector<QLineEdit*>& edits, ImageSyntax syntax, const std::string& pieceImage,
                   bool isNull) {
  if (syntax.IsPiece()) return false;
  auto need = [&](size_t n) {
    if (edits.size() < n) RaiseKySnmp(KyErr::TooFewControls);
  };
  switch (syntax.whole()) {
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Opaque:
      need(pieceImage.size());
      for (size_t k = 0; k < pieceImage.size(); ++k) edits[k]->setText(Q(HexText(pieceImage.substr(k, 1))));
      return true;
    case Syntax::ObjectId: {
      const size_t n = pieceImage.size() / 4;
      need(n);
      for (size_t k = 0; k < n; ++k) {
        uint32_t v = 0;
        for (int j = 3; j >= 0; --j) v = (v << 8) | static_cast<unsigned char>(pieceImage[k * 4 + static_cast<size_t>(j)]);
        edits[k]->setText(QString::number(v));
      }
      return true;
    }
    case Syntax::IpAddress:
    case Syntax::Address:
      need(4);
      if (isNull || pieceImage.size() < 4) return true;  // left empty
      for (size_t k = 0; k < 4; ++k) edits[k]->setText(QString::number(static_cast<unsigned char>(pieceImage[k])));
      return true;
    case Syntax::TimeTicks: {
      need(5);
      if (isNull || pieceImage.size() < 4) return true;  // left empty
      uint32_t t = 0;
      for (int j = 3; j >= 0; --j) t = (t << 8) | static_cast<unsigned char>(pieceImage[static_cast<size_t>(j)]);
      const uint32_t parts[5] = {t / 8640000u, t % 8640000u / 360000u, t % 360000u / 6000u, t % 6000u / 100u,
                                 t % 100u};
      for (size_t k = 0; k < 5; ++k) edits[k]->setText(QString::number(parts[k]));
      return true;
    }
    case Syntax::MacAddress:
    case Syntax::Ipv6Address: {
      const size_t n = syntax.whole() == Syntax::MacAddress ? 6 : 16;
      need(n);
      if (isNull || pieceImage.size() < n) return true;  // left empty
      for (size_t k = 0; k < n; ++k) edits[k]->setText(Q(HexText(pieceImage.substr(k, 1))));
      return true;
    }
    case Syntax::DateAndTime: {
      need(10);
      if (isNull || pieceImage.size() < 11) return true;  // left empty
      DateAndTimeParts d = DateAndTimeFromBytes(pieceImage);
      const int values[] = {d.year, d.month, d.day, d.hour, d.minute, d.second, d.deci};
      for (size_t k = 0; k < 7; ++k) edits[k]->setText(QString::number(values[k]));
      edits[7]->setText(QString(QLatin1Char(d.direction)));
      edits[8]->setText(QString::number(d.utcHours));
      edits[9]->setText(QString::number(d.utcMinutes));
      return true;
    }
    case Syntax::DateTime: {
      need(7);
      if (isNull || pieceImage.size() < 8) return true;  // left empty
      double days = 0;
      std::memcpy(&days, pieceImage.data(), 8);
      DateTimeParts p = DateTimeSplit(days);
      const int values[] = {p.year, p.month, p.day, p.hour, p.minute, p.second, p.msec};
      for (size_t k = 0; k < 7; ++k) edits[k]->setText(QString::number(values[k]));
      return true;
    }
    case Syntax::Boolean:
    case Syntax::Integer:
    case Syntax::Null:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::Counter64:
    case Syntax::UInteger32:
    case Syntax::Real:
    case Syntax::DisplayString:
      return false;
  }
  return false;  // a number that is no code
}

// The numbers of the first n edits joined by dots.
std::string DottedNumbers(const std::vector<QLineEdit*>& edits, size_t n) {
  std::string text;
  for (size_t k = 0; k < n; ++k) text += (k ? "." : "") + std::to_string(Num(edits[k]->text()));
  return text;
}

// The text of a value typed into one edit per part; nullopt for a syntax
// typed into a single edit.
std::optional<std::string> JoinPartEdits(const std::vector<QLineEdit*>& edits, ImageSyntax syntax) {
  if (syntax.IsPiece()) return std::nullopt;
  auto need = [&](size_t n) {
    if (edits.size() < n) RaiseKySnmp(KyErr::TooFewControls);
  };
  auto hexOver = [&](size_t n) {
    std::string hex;
    for (size_t k = 0; k < n; ++k) hex += Hex2(edits[k]->text());
    return hex;
  };
  switch (syntax.whole()) {
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Opaque:
      return hexOver(edits.size());
    case Syntax::MacAddress:
      need(6);
      return hexOver(6);
    case Syntax::Ipv6Address:
      need(16);
      return hexOver(16);
    case Syntax::ObjectId:
      return DottedNumbers(edits, edits.size());
    case Syntax::IpAddress:
    case Syntax::Address:
      need(4);
      return DottedNumbers(edits, 4);
    case Syntax::TimeTicks: {
      need(5);
      const uint64_t t = Num(edits[0]->text()) * 8640000u + Num(edits[1]->text()) * 360000u +
                         Num(edits[2]->text()) * 6000u + Num(edits[3]->text()) * 100u + Num(edits[4]->text());
      return TimeTicksText(static_cast<uint32_t>(t));
    }
    case Syntax::DateAndTime: {
      need(10);
      DateAndTimeParts d;
      int* fields[] = {&d.year, &d.month, &d.day, &d.hour, &d.minute, &d.second, &d.deci};
      for (size_t k = 0; k < 7; ++k) *fields[k] = static_cast<int>(Num(edits[k]->text()));
      const QString dir = edits[7]->text();
      d.direction = dir.isEmpty() ? '+' : dir[0].toLatin1();
      d.utcHours = static_cast<int>(Num(edits[8]->text()));
      d.utcMinutes = static_cast<int>(Num(edits[9]->text()));
      return DateAndTimeText(d);
    }
    case Syntax::DateTime: {
      need(7);
      DateTimeParts p;
      int* fields[] = {&p.year, &p.month, &p.day, &p.hour, &p.minute, &p.second, &p.msec};
      for (size_t k = 0; k < 7; ++k) *fields[k] = static_cast<int>(Num(edits[k]->text()));
      return DateTimeText(DateTimeJoin(p));
    }
    case Syntax::Boolean:
    case Syntax::Integer:
    case Syntax::Null:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::Counter64:
    case Syntax::UInteger32:
    case Syntax::Real:
    case Syntax::DisplayString:
      return std::nullopt;
  }
  return std::nullopt;  // a number that is no code
}

}  // namespace

// ===========================================================================
std::shared_ptr<BindingGroup> BindingGroup::Create(QWidget* dialog) {
  return std::shared_ptr<BindingGroup>(new BindingGroup(dialog));
}

BindingGroup::BindingGroup(QWidget* dialog) : dialog_(dialog) {}

BindingGroup::~BindingGroup() = default;

void BindingGroup::add(KySNMPRequest2Controls* binding) {
  if (std::find(members_.begin(), members_.end(), binding) == members_.end()) members_.push_back(binding);
}

void BindingGroup::remove(KySNMPRequest2Controls* binding) {
  members_.erase(std::remove(members_.begin(), members_.end(), binding), members_.end());
  bindingIdle();
}

bool BindingGroup::busy() const {
  return std::any_of(members_.begin(), members_.end(), [](const KySNMPRequest2Controls* b) { return b->busy; });
}

// A handler waiting for a synchronous exchange counts as busy even in the
// moment between the exchange's end and the handler's going on.
bool BindingGroup::refuses() const { return (busy() || waits_ > 0) && completions_ == 0 && !turnOpen_; }

bool BindingGroup::fresh() const { return !busy() && waits_ == 0 && completions_ == 0 && !turnOpen_; }

bool BindingGroup::admit(const QString& text) {
  if (refuses()) {
    const QString shown = text.isEmpty() ? busyText : text;
    if (showRefusal) showRefusal(shown);
    else ShowMessageBox(dialog_.data(), shown, ProgramCaption());
    return false;
  }
  if (fresh()) keepError_ = false;
  openTurn();
  return true;
}

BindingGroup::WaitState BindingGroup::beginWait() {
  const WaitState saved{turnOpen_, completions_};
  turnOpen_ = false;
  completions_ = 0;
  ++waits_;
  return saved;
}

void BindingGroup::endWait(const WaitState& saved) {
  --waits_;
  completions_ = saved.completions;
  turnOpen_ = false;
  // The waiting handler goes on in its own turn.
  if (saved.turnOpen) openTurn();
  if (waits_ == 0 && waitsEnded) waitsEnded();
}

// The turn ends when the event loop next takes up posted work: a click that
// comes after it is the operator's new request.
void BindingGroup::openTurn() {
  turnOpen_ = true;
  const uint64_t turn = ++turn_;
  std::weak_ptr<BindingGroup> self = weak_from_this();
  QObject* context = dialog_ ? static_cast<QObject*>(dialog_.data()) : QCoreApplication::instance();
  if (context == nullptr) return;
  QTimer::singleShot(0, context, [self, turn] {
    if (auto group = self.lock(); group && group->turn_ == turn) group->turnOpen_ = false;
  });
}

void BindingGroup::bindingIdle() {
  for (Waiter* waiter : waiters_)
    if (waiter->done()) waiter->loop->quit();
}

bool BindingGroup::waitIdle(int timeoutMs) {
  return waitUntil([this] { return !busy(); }, timeoutMs);
}

bool BindingGroup::waitUntil(const std::function<bool()>& done, int timeoutMs) {
  if (done()) return true;
  QEventLoop loop;
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
  limit.start(timeoutMs);
  Waiter waiter{done, &loop};
  auto keep = shared_from_this();  // a binding may go while the loop runs
  waiters_.push_back(&waiter);
  // The waiting handler's stack is further down: what runs in the loop is a
  // new turn, and the dialog stays until the handler has gone on.
  const WaitState saved = beginWait();
  loop.exec();
  endWait(saved);
  waiters_.erase(std::find(waiters_.begin(), waiters_.end(), &waiter));
  return done();
}

namespace {
// Whether a binding of the group may start an exchange now. A binding that
// is itself reading or writing never starts a second exchange on its
// request, whoever asks (a second walk or a write would cut the running
// walk short).
bool Admitted(BindingGroup& group, bool bindingBusy, QWidget* dialog) {
  if (!bindingBusy) return group.admit();
  if (group.showRefusal) group.showRefusal(group.busyText);
  else ShowMessageBox(dialog, group.busyText, ProgramCaption());
  return false;
}
}  // namespace

// ===========================================================================
KySNMPRequest2Controls::KySNMPRequest2Controls(QWidget* owner)
    : owner_(owner), self_(std::make_shared<KySNMPRequest2Controls*>(this)) {}

KySNMPRequest2Controls::~KySNMPRequest2Controls() {
  Detach();
  if (group_) group_->remove(this);
}

void KySNMPRequest2Controls::JoinGroup(std::shared_ptr<BindingGroup> group) {
  if (group_) group_->remove(this);
  group_ = std::move(group);
  if (group_) group_->add(this);
}

void KySNMPRequest2Controls::SetIdle() {
  busy = false;
  for (QEventLoop* loop : idleWaits_) loop->quit();
  if (group_) group_->bindingIdle();
}

bool KySNMPRequest2Controls::StopAndWait(int timeoutMs) {
  request.enabled = false;
  if (!busy) return true;
  if (!CanWaitNested()) return false;
  const auto token = self_;
  QEventLoop loop;
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
  idleWaits_.push_back(&loop);
  limit.start(timeoutMs);
  loop.exec();
  if (*token == nullptr) return true;  // the binding went meanwhile
  idleWaits_.erase(std::find(idleWaits_.begin(), idleWaits_.end(), &loop));
  return !busy;
}

// Counts a completion of one of the group's bindings while it runs.
KySNMPRequest2Controls::CompletionScope::CompletionScope(std::shared_ptr<BindingGroup> group)
    : group_(std::move(group)) {
  if (group_) ++group_->completions_;
}

KySNMPRequest2Controls::CompletionScope::~CompletionScope() {
  if (group_) --group_->completions_;
}

struct KySNMPRequest2Controls::SyncWait {
  bool done = false;
  KySNMPError result;
  std::exception_ptr failure;  // an exception of the binding's own (a value that does not fit)
  QEventLoop* loop = nullptr;
};

void KySNMPRequest2Controls::Detach() {
  request.enabled = false;
  *self_ = nullptr;
  // A caller waiting for a synchronous exchange of this object returns and
  // touches nothing of it.
  if (syncWait_ && syncWait_->loop != nullptr) syncWait_->loop->quit();
  for (QEventLoop* loop : idleWaits_) loop->quit();
  idleWaits_.clear();
}

bool KySNMPRequest2Controls::CanWaitNested() {
  return QCoreApplication::instance() != nullptr && GlobalEventPump.started() && !GlobalEventPump.busy() &&
         dynamic_cast<KyQtPumpHost*>(&GlobalEventPump.host()) != nullptr;
}

bool KySNMPRequest2Controls::WaitForExchange(const std::shared_ptr<SyncWait>& wait) {
  const auto token = self_;
  if (!wait->done) {
    const auto group = group_;  // outlives this object if it goes meanwhile
    BindingGroup::WaitState saved;
    if (group) saved = group->beginWait();
    QEventLoop loop;
    wait->loop = &loop;
    loop.exec();
    wait->loop = nullptr;
    if (group) group->endWait(saved);
  }
  if (*token == nullptr) return false;
  if (!wait->done) {
    // The loop was left without the answer (the application quits): the
    // exchange is given up; its completion, should it come, only ends it.
    request.enabled = false;
    return false;
  }
  return true;
}

bool KySNMPRequest2Controls::EndSyncWait(const KySNMPError& result, std::exception_ptr failure) {
  if (!syncWait_) return false;
  const std::shared_ptr<SyncWait> wait = std::move(syncWait_);
  syncWait_.reset();
  wait->done = true;
  wait->result = result;
  wait->failure = std::move(failure);
  if (wait->loop != nullptr) wait->loop->quit();
  return true;
}

void KySNMPRequest2Controls::ShowOk() {
  if (!statusTarget_) return;
  if (group_ && group_->keepError_) return;
  ShowStatus(KySnmpText(0));
}

void KySNMPRequest2Controls::ShowReadEnd() {
  if (!walkStopped_) {
    ShowOk();
    return;
  }
  if (!statusTarget_) return;
  // Not "Ok": the list holds only the rows read before the stop.
  ShowStatus("Stopped, " + std::to_string(rowsRead_) + (rowsRead_ == 1 ? " row read." : " rows read."));
}

void KySNMPRequest2Controls::WriteFailed() {
  if (group_) group_->keepError_ = true;
}

void KySNMPRequest2Controls::SetStatusTarget(QWidget* target) { statusTarget_ = target; }

void KySNMPRequest2Controls::ShowStatus(const std::string& errorText) {
  if (!statusTarget_) return;
  const QString line = Q(StatusLine(statusKind, request.varList.name, errorText));
  if (auto* memo = qobject_cast<QPlainTextEdit*>(statusTarget_.data())) {
    memo->appendPlainText(line);
  } else if (auto* bar = qobject_cast<QStatusBar*>(statusTarget_.data())) {
    bar->showMessage(line);
  } else if (auto* panel = qobject_cast<QLabel*>(statusTarget_.data())) {
    panel->setText(line);
  }
}

bool KySNMPRequest2Controls::Refresh() {
  if (group_ && !Admitted(*group_, busy, owner_)) return false;
  statusKind = kGetStatus;
  rowsRead_ = 0;
  walkStopped_ = false;
  BeforeGet();
  busy = true;
  if (!asynchronous && (!request.enabled || !CanWaitNested())) {
    RefreshBlocking();
    return true;
  }
  if (!request.enabled) {
    ReadEnd();
    return true;
  }
  std::shared_ptr<SyncWait> wait;
  if (!asynchronous) syncWait_ = wait = std::make_shared<SyncWait>();
  try {
    request.ReadAsync(ReadCallback(), nullptr, true);
  } catch (const std::exception& e) {
    syncWait_.reset();
    ReadEnd();
    if (wait && getDone) {
      KySNMPError failed;
      failed.code = ErrorCode(e);
      failed.message = ErrorText(e);
      failed.finished = true;
      getDone(userData, this, failed);
    }
    throw;
  }
  if (!wait || !WaitForExchange(wait)) return true;
  // The read has ended (rows shown, busy cleared): report as a blocking read
  // would, to the caller.
  const KySNMPError result = wait->result;
  if (wait->failure || result.code != 0) {
    if (getDone) getDone(userData, this, result);
    if (wait->failure) std::rethrow_exception(wait->failure);
    ThrowKySNMPError(result.code, result.message);
  }
  statusKind = kGetStatus;
  ShowReadEnd();
  if (getDone) getDone(userData, this, result);
  return true;
}

// The read in the caller's own stack, the event loop held meanwhile: only
// where no nested loop can serve the exchange (inside a completion).
void KySNMPRequest2Controls::RefreshBlocking() {
  try {
    if (request.enabled) {
      if (request.varList.IsTable()) {
        bool more = request.Read(true);
        while (more) {
          if (request.CheckFilter("")) RowReceived();
          more = request.Read(false);
        }
      } else {
        try {
          request.Read(true);
        } catch (const KySNMPException& e) {
          // Some objects are missing: the values that came are shown
          // before the failure is reported.
          if (e.code() == KyErr::SnmpNoSuchName && request.partialValues) ShowPartialValues();
          throw;
        }
        if (request.CheckFilter("")) RowReceived();
      }
    }
    AfterGet();
  } catch (const std::exception& e) {
    ReadEnd();
    if (getDone) {
      KySNMPError failed;
      failed.code = ErrorCode(e);
      failed.message = ErrorText(e);
      failed.finished = true;
      getDone(userData, this, failed);
    }
    throw;
  } catch (...) {
    ReadEnd();
    throw;
  }
  ReadEnd();
  ShowOk();
  if (getDone) {
    KySNMPError done;
    done.finished = true;
    getDone(userData, this, done);
  }
}

bool KySNMPRequest2Controls::Apply(bool refreshAfter, bool convert, const std::string& indexList,
                                   const std::vector<std::string>* values) {
  if (group_ && !Admitted(*group_, busy, owner_)) return false;
  statusKind = kSetStatus;
  refreshAfterSet = refreshAfter;
  BeforeSet();
  if (convert) ControlsToValues();
  busy = true;
  if (!asynchronous && (!request.enabled || !CanWaitNested())) {
    ApplyBlocking(indexList, values);
    return true;
  }
  if (!request.enabled) {
    SetIdle();
    return true;
  }
  std::shared_ptr<SyncWait> wait;
  if (!asynchronous) syncWait_ = wait = std::make_shared<SyncWait>();
  try {
    request.WriteAsync(WriteCallback(), nullptr, indexList, values);
  } catch (...) {
    syncWait_.reset();
    SetIdle();
    WriteFailed();
    throw;
  }
  if (!wait || !WaitForExchange(wait)) return true;
  if (wait->result.code != 0) {
    WriteFailed();
    ThrowKySNMPError(wait->result.code, wait->result.message);
  }
  AfterSet();
  ShowOk();
  if (request.varList.IsTable() && refreshAfterSet) Refresh();
  return true;
}

void KySNMPRequest2Controls::ApplyBlocking(const std::string& indexList, const std::vector<std::string>* values) {
  try {
    request.Write(indexList, values);
    AfterSet();
  } catch (...) {
    SetIdle();
    WriteFailed();
    throw;
  }
  SetIdle();
  ShowOk();
  if (request.varList.IsTable() && refreshAfterSet) Refresh();
}

// The completions hold the token, not the object: once the object is gone
// (or going) the token is empty and a late completion does nothing.
RequestCallback KySNMPRequest2Controls::ReadCallback() {
  return [token = self_](void*, const KySNMPError& error, KySNMPVarList&) {
    if (*token != nullptr) (*token)->OnReadDone(error);
  };
}

RequestCallback KySNMPRequest2Controls::WriteCallback() {
  return [token = self_](void*, const KySNMPError& error, KySNMPVarList&) {
    if (*token != nullptr) (*token)->OnWriteDone(error);
  };
}

void KySNMPRequest2Controls::OnReadDone(const KySNMPError& error) {
  const auto token = self_;  // stays valid if the object goes while a row is shown
  const CompletionScope completion(group_);
  if (error.code != 0) {
    if (error.code == KyErr::SnmpNoSuchName && request.partialValues) ShowPartialValues();
    if (*token == nullptr) return;
    ReadEnd();
    if (EndSyncWait(error)) return;  // the waiting caller reports it
    GetFailed(error);
    if (getDone) getDone(userData, this, error);
    return;
  }
  try {
    const bool table = request.varList.IsTable();
    if (!table || !error.finished) {
      if (request.CheckFilter("")) {
        RowReceived();
        ++rowsRead_;
      }
      if (*token == nullptr) return;  // the window went while the row was shown
      if (table) {
        if (request.enabled) {
          request.ReadAsync(ReadCallback(), nullptr, false);
          return;
        }
        walkStopped_ = true;  // switched off before the table's end
      }
    }
    FinishGet(error);
  } catch (const std::exception& e) {
    if (*token == nullptr) return;
    ReadEnd();
    KySNMPError failed;
    failed.code = ErrorCode(e);
    failed.message = ErrorText(e);
    failed.finished = true;
    if (EndSyncWait(failed, std::current_exception())) return;
    statusKind = kGetStatus;
    if (statusTarget_) ShowStatus(ErrorText(e));
    else ShowMessageBox(owner_, Q(ErrorText(e)), ProgramCaption());
  }
}

void KySNMPRequest2Controls::ShowPartialValues() {
  if (request.varList.IsTable()) return;
  try {
    RowReceived();
  } catch (const std::exception&) {
    // The failure about to be reported says more than a value that does not fit.
  }
}

void KySNMPRequest2Controls::FinishGet(const KySNMPError& result) {
  AfterGet();
  ReadEnd();
  if (EndSyncWait(result)) return;
  statusKind = kGetStatus;
  ShowReadEnd();
  if (getDone) getDone(userData, this, result);
}

void KySNMPRequest2Controls::ReadEnd() {
  try {
    ReadStopped();
  } catch (...) {
    // Nothing may keep busy set.
  }
  SetIdle();
}

void KySNMPRequest2Controls::OnWriteDone(const KySNMPError& error) {
  const auto token = self_;
  const CompletionScope completion(group_);
  if (error.code != 0) {
    SetIdle();
    if (EndSyncWait(error)) return;  // the waiting caller reports it
    WriteFailed();
    SetFailed(error);
    if (setDone) setDone(userData, this, error);
    return;
  }
  if (syncWait_) {
    SetIdle();
    EndSyncWait(error);
    return;
  }
  try {
    AfterSet();
    SetIdle();
    statusKind = kSetStatus;
    ShowOk();
    if (setDone) setDone(userData, this, error);
    if (*token != nullptr && request.varList.IsTable() && refreshAfterSet) Refresh();
  } catch (const std::exception& e) {
    SetIdle();
    if (statusTarget_) ShowStatus(ErrorText(e));
    else ShowMessageBox(owner_, Q(ErrorText(e)), ProgramCaption());
  }
}

void KySNMPRequest2Controls::Failed(int kind, const KySNMPError& result) {
  statusKind = kind;
  if (statusTarget_) ShowStatus(result.message);
  else ShowMessageBox(owner_, Q(result.message), ProgramCaption());
}

void KySNMPRequest2Controls::GetFailed(const KySNMPError& result) { Failed(kGetStatus, result); }
void KySNMPRequest2Controls::SetFailed(const KySNMPError& result) { Failed(kSetStatus, result); }

// ===========================================================================
KySNMPRequest2Edits::KySNMPRequest2Edits(QWidget* form) : KySNMPRequest2Controls(form), constraints_(form, true) {}

KySNMPRequest2Edits::~KySNMPRequest2Edits() {
  Detach();
  if (rowTimer_) rowTimer_->stop();
  qDeleteAll(heldRows_);
  if (listView_) QObject::disconnect(selectionConnection_);
}

void KySNMPRequest2Edits::CheckBindingControls(const ControlBinding& b, const KySNMPVarDef& var) const {
  if (b.controls.empty()) RaiseKySnmp(KyErr::TooFewControls);
  QWidget* first = Control(b, 0);
  const KyOptionList* options = b.options ? b.options : var.options;
  if (!b.bits.empty()) {
    for (int k = 0; k < b.count(); ++k)
      if (!qobject_cast<QCheckBox*>(Control(b, k))) RaiseKySnmp(KyErr::BadControlType);
    return;
  }
  if (qobject_cast<QComboBox*>(first) || qobject_cast<KyRadioGroup*>(first)) {
    if (options == nullptr) RaiseKySnmp(KyErr::NoOptionList);
    if (qobject_cast<QComboBox*>(first) && options->kind() == 3 && b.count() < 2)
      RaiseKySnmp(KyErr::TooFewControls);
    return;
  }
  for (int k = 0; k < b.count(); ++k) {
    QWidget* c = Control(b, k);
    if (!(qobject_cast<QLineEdit*>(c) || qobject_cast<QLabel*>(c) || qobject_cast<QCheckBox*>(c)))
      RaiseKySnmp(KyErr::BadControlType);
  }
}

void KySNMPRequest2Edits::FillOptionItems(const ControlBinding& b) {
  const auto& var = request.varList.Item(b.variable);
  const KyOptionList* options = b.options ? b.options : var.options;
  if (options == nullptr) return;
  QStringList labels;
  for (const auto& item : options->items()) labels << Q(item.label);
  if (auto* combo = qobject_cast<QComboBox*>(Control(b, 0))) {
    combo->clear();
    combo->addItems(labels);
    combo->setCurrentIndex(-1);
  } else if (auto* group = qobject_cast<KyRadioGroup*>(Control(b, 0))) {
    group->SetItems(labels);
  }
}

void KySNMPRequest2Edits::AddBinding(ControlBinding binding) {
  if (binding.variable < 0 || binding.variable >= request.varList.Count()) RaiseKySnmp(KyErr::BadAssocItemType);
  const auto& var = request.varList.Item(binding.variable);
  CheckBindingControls(binding, var);
  binding.savedHandlers.resize(binding.controls.size());
  for (size_t k = 0; k < binding.controls.size(); ++k) {
    QWidget* c = binding.controls[k];
    if (qobject_cast<QComboBox*>(c)) binding.savedHandlers[k] = ChangeHandler(c);
    else if (qobject_cast<QAbstractButton*>(c) || qobject_cast<KyRadioGroup*>(c))
      binding.savedHandlers[k] = ClickHandler(c);
  }
  FillOptionItems(binding);
  bindings_.push_back(std::make_unique<ControlBinding>(std::move(binding)));
}

void KySNMPRequest2Edits::AssociateControl(int index, QLabel* label) { AssociateControl(index, static_cast<QWidget*>(label)); }

void KySNMPRequest2Edits::AssociateControl(int index, QComboBox* combo) {
  if (combo) combo->setEditable(false);
  AssociateControl(index, static_cast<QWidget*>(combo));
}

void KySNMPRequest2Edits::AssociateControl(int index, QWidget* control) {
  ControlBinding b;
  b.variable = index;
  b.controls.push_back(control);
  AddBinding(std::move(b));
}

void KySNMPRequest2Edits::AssociateEdits(int index, const std::string& format, const std::vector<QLineEdit*>& edits) {
  for (const auto& spec : KyEditConstraint::Split(format)) KyEditConstraint::Parse(spec);  // -2 when malformed
  const int n = KyEditConstraint::CountConstraints(format);
  if (n < 1 || static_cast<int>(edits.size()) < n) RaiseKySnmp(KyErr::TooFewControls);
  std::vector<QLineEdit*> bound(edits.begin(), edits.begin() + n);
  ControlBinding b;
  b.variable = index;
  for (auto* e : bound) b.controls.push_back(e);
  if (index < 0 || index >= request.varList.Count()) RaiseKySnmp(KyErr::BadAssocItemType);
  constraints_.AddConstraints(format, bound);  // raises for a malformed format before anything is bound
  AddBinding(std::move(b));
}

void KySNMPRequest2Edits::AssociateBits(int index, const std::string& bitList, const std::vector<QCheckBox*>& boxes) {
  KyNumList<int> numbers;
  numbers.delimiter = ',';
  numbers.Parse(bitList);
  const int n = static_cast<int>(numbers.count());
  if (static_cast<int>(boxes.size()) < n || n == 0) RaiseKySnmp(KyErr::TooFewControls);
  ControlBinding b;
  b.variable = index;
  for (int k = 0; k < n; ++k) {
    // A port list has a few hundred bits at most; a wild number would make
    // ReadControls grow the value by megabytes.
    if (numbers.items[static_cast<size_t>(k)] < 0 || numbers.items[static_cast<size_t>(k)] > kMaxBit)
      RaiseKySnmp(KyErr::AssocIndexOutOfRange);
    b.bits.push_back(numbers.items[static_cast<size_t>(k)]);
    b.controls.push_back(boxes[static_cast<size_t>(k)]);
  }
  AddBinding(std::move(b));
}

void KySNMPRequest2Edits::AssociatePortList(int index, const std::string& bitList,
                                            const std::vector<QCheckBox*>& boxes) {
  AssociateBits(index, bitList, boxes);
  bindings_.back()->portList = true;
}

void KySNMPRequest2Edits::Disassociate(int index) {
  for (auto it = bindings_.begin(); it != bindings_.end();) {
    ControlBinding& b = **it;
    if (b.variable != index) {
      ++it;
      continue;
    }
    for (size_t k = 0; k < b.controls.size(); ++k) {
      QWidget* c = b.controls[k];
      if (c == nullptr) continue;
      if (auto* edit = qobject_cast<QLineEdit*>(c)) constraints_.RemoveConstraint(edit);
      else if (qobject_cast<QComboBox*>(c)) SetChangeHandler(c, b.savedHandlers[k]);
      else if (qobject_cast<QAbstractButton*>(c) || qobject_cast<KyRadioGroup*>(c)) SetClickHandler(c, b.savedHandlers[k]);
    }
    it = bindings_.erase(it);
  }
}

void KySNMPRequest2Edits::EnableControls(bool enabled) {
  for (const auto& b : bindings_)
    for (const auto& c : b->controls)
      if (c) c->setEnabled(enabled);
}

void KySNMPRequest2Edits::SetConstraintForm(QWidget* form) { constraints_.SetForm(form); }

// ---------------------------------------------------------------------------
void KySNMPRequest2Edits::FillControls(int index) {
  for (size_t i = 0; i < bindings_.size(); ++i) {
    const ControlBinding& b = *bindings_[i];
    if (index != -1 && b.variable != index) continue;
    if (b.variable < 0 || b.variable >= request.varList.Count()) continue;
    if (request.varList.IsExcluded(b.variable)) continue;
    FillBinding(b);
  }
}

void KySNMPRequest2Edits::FillBinding(const ControlBinding& b) {
  const KySNMPVarDef& var = request.varList.Item(b.variable);
  std::string text = var.value;
  if (var.options) text = var.options->LabelToValue(text);
  const std::string image = TextToImage(text, var.syntax);
  const ImageSyntax syntax = b.pieceSyntax.value_or(var.syntax);
  const KyOptionList* options;
  std::string pieceImage = image;
  const bool piece = b.offset != 0 || syntax != var.syntax;
  if (piece) {
    pieceImage = CutPiece(image, b.offset, syntax);
    text = ImageToText(pieceImage, syntax);
    options = b.options;
  } else {
    options = b.options ? b.options : var.options;
  }
  if (options) text = options->ValueToLabel(text);
  QWidget* first = Control(b, 0);
  if (first == nullptr) return;

  if (!b.bits.empty()) {
    for (int k = 0; k < b.count(); ++k) {
      auto* box = qobject_cast<QCheckBox*>(Control(b, k));
      const int bit = b.bits[static_cast<size_t>(k)];
      if (!HasBit(pieceImage, bit)) {
        // A switch sends the ports it has: the others are not members.
        if (!b.portList) RaiseKySnmp(KyErr::AssocIndexOutOfRange);
        if (box) box->setChecked(false);
        continue;
      }
      if (box) box->setChecked(GetBit(pieceImage, bit));
    }
    return;
  }
  if (auto* label = qobject_cast<QLabel*>(first)) {
    label->setText(Q(text));
    return;
  }
  if (auto* box = qobject_cast<QCheckBox*>(first)) {
    if (options) {
      box->setChecked(FindOption(options, text) > 0);
    } else if (IsBoolSyntax(syntax)) {
      box->setChecked(text == "true");
    } else {
      RaiseKySnmp(KyErr::BadAssocSyntax);
    }
    return;
  }
  if (auto* combo = qobject_cast<QComboBox*>(first)) {
    const int option = FindOption(options, text);
    const QString label = option >= 0 ? Q(options->Item(option).label) : QString();
    combo->setCurrentIndex(option >= 0 ? combo->findText(label, Qt::MatchFixedString | Qt::MatchCaseSensitive) : -1);
    if (b.count() > 1) {
      if (auto* rest = qobject_cast<QLineEdit*>(Control(b, 1))) {
        size_t cut = combo->currentIndex() >= 0 ? static_cast<size_t>(combo->currentText().toStdString().size()) : 0;
        if (syntax == Syntax::ObjectId && cut > 0) ++cut;
        rest->setText(Q(cut < text.size() ? text.substr(cut) : std::string()));
      }
    }
    return;
  }
  if (auto* group = qobject_cast<KyRadioGroup*>(first)) {
    const int option = FindOption(options, text);
    group->SetItemIndex(option >= 0 ? static_cast<int>(group->Items().indexOf(Q(options->Item(option).label))) : -1);
    return;
  }
  auto* edit = qobject_cast<QLineEdit*>(first);
  if (edit == nullptr) RaiseKySnmp(KyErr::BadControlType);
  if (b.count() == 1) {
    edit->setText(Q(text));
    return;
  }
  std::vector<QLineEdit*> edits;
  for (int k = 0; k < b.count(); ++k) edits.push_back(qobject_cast<QLineEdit*>(Control(b, k)));
  if (std::find(edits.begin(), edits.end(), nullptr) != edits.end()) RaiseKySnmp(KyErr::BadControlType);
  if (!FillPartEdits(edits, syntax, pieceImage, text == kNullText)) edits[0]->setText(Q(text));
}

void KySNMPRequest2Edits::ReadControls(int index) {
  for (int i = 0; i < request.varList.Count(); ++i) {
    if (index != -1 && i != index) continue;
    if (request.varList.IsExcluded(i)) continue;
    const bool key = request.varList.IsTable() && i < request.varList.keyCount;
    if (!request.varList.IsWritable(i) && !key) continue;
    ReadVariable(i);
  }
}

void KySNMPRequest2Edits::ReadVariable(int index) {
  KySNMPVarDef& var = request.varList.Item(index);
  std::string text = var.value;
  if (var.options) text = var.options->LabelToValue(text);
  std::string image = TextToImage(text, var.syntax);
  bool applied = false;
  for (const auto& bp : bindings_) {
    const ControlBinding& b = *bp;
    if (b.variable != index || b.controls.empty() || Control(b, 0) == nullptr) continue;
    if (!applied && var.syntax == Syntax::DisplayString) image.clear();
    const ImageSyntax syntax = b.pieceSyntax.value_or(var.syntax);
    const bool whole = b.offset == 0 && syntax == var.syntax;
    const KyOptionList* options = b.options ? b.options : (whole ? var.options : nullptr);
    std::string pieceImage;
    QWidget* first = Control(b, 0);

    if (!b.bits.empty()) {
      pieceImage = static_cast<size_t>(b.offset) <= image.size() ? image.substr(static_cast<size_t>(b.offset)) : "";
      if (b.portList && pieceImage.empty()) pieceImage = PortListBase(index);
      for (int k = 0; k < b.count(); ++k) {
        auto* box = qobject_cast<QCheckBox*>(Control(b, k));
        if (box == nullptr) continue;
        const int bit = b.bits[static_cast<size_t>(k)];
        // A port list keeps its length: a port it does not cover is only
        // added when it is checked.
        if (b.portList && !HasBit(pieceImage, bit) && !box->isChecked()) continue;
        SetBit(pieceImage, bit, box->isChecked());
      }
    } else {
      std::string piece;
      if (auto* label = qobject_cast<QLabel*>(first)) {
        piece = S(label->text());
      } else if (auto* box = qobject_cast<QCheckBox*>(first)) {
        if (options) {
          const int n = box->isChecked() ? 1 : 0;
          piece = n < options->Count() ? options->Item(n).label : std::string();
        } else if (IsBoolSyntax(syntax)) {
          piece = box->isChecked() ? "true" : "false";
        } else {
          RaiseKySnmp(KyErr::BadAssocSyntax);
        }
      } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
        piece = combo->currentIndex() >= 0 ? S(combo->currentText()) : std::string();
        if (b.count() > 1) {
          if (auto* rest = qobject_cast<QLineEdit*>(Control(b, 1))) {
            if (syntax == Syntax::ObjectId) piece += ".";
            piece += S(rest->text());
          }
        }
      } else if (auto* group = qobject_cast<KyRadioGroup*>(first)) {
        const int k = group->ItemIndex();
        piece = k >= 0 ? S(group->Items().at(k)) : std::string();
      } else if (auto* edit = qobject_cast<QLineEdit*>(first)) {
        if (b.count() == 1) {
          piece = S(edit->text());
        } else {
          std::vector<QLineEdit*> edits;
          for (int k = 0; k < b.count(); ++k) {
            auto* e = qobject_cast<QLineEdit*>(Control(b, k));
            if (e == nullptr) RaiseKySnmp(KyErr::BadControlType);
            edits.push_back(e);
          }
          if (auto joined = JoinPartEdits(edits, syntax)) piece = std::move(*joined);
          else piece = S(edits[0]->text());
        }
      } else {
        RaiseKySnmp(KyErr::BadControlType);
      }
      if (options) piece = options->LabelToValue(piece);
      pieceImage = TextToImage(piece, syntax);
    }
    // A whole-value binding replaces the value, so that a shorter text
    // (a string or an octet string) is not padded with the old bytes.
    if (whole) image = pieceImage;
    else PutPiece(image, b.offset, pieceImage);
    applied = true;
  }
  if (!applied) return;
  std::string result = ImageToText(image, var.syntax);
  if (var.options) result = var.options->ValueToLabel(result);
  var.value = result;
}

// ---------------------------------------------------------------------------
// Table side.

void KySNMPRequest2Edits::AttachListView(QTreeWidget* listView, bool disableUntil) {
  ShowHeldRows();  // into the view they were meant for
  if (listView_) QObject::disconnect(selectionConnection_);
  listView_ = listView;
  disableUntilSelected = disableUntil;
  if (listView == nullptr) return;
  listView->setRootIsDecorated(false);
  listView->setItemsExpandable(false);
  listView->setSelectionMode(QAbstractItemView::SingleSelection);
  listView->setSelectionBehavior(QAbstractItemView::SelectRows);
  listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  listView->setUniformRowHeights(true);
  listView->setAllColumnsShowFocus(true);
  listView->setStyleSheet(QStringLiteral(
      "QTreeView::item { border-right: 1px solid palette(midlight); border-bottom: 1px solid palette(midlight); }"));
  listView->header()->setStretchLastSection(false);
  listView->header()->setSectionsMovable(false);
  selectionConnection_ = QObject::connect(listView, &QTreeWidget::itemSelectionChanged, listView,
                                          [this] { ListViewChanged(); });
  BuildColumns();
}

void KySNMPRequest2Edits::BuildColumns() {
  if (!listView_) return;
  const auto& list = request.varList;
  const int wanted = list.VisibleColumnCount() + list.HiddenColumnCount();
  if (listView_->columnCount() >= wanted && static_cast<int>(columnVar_.size()) == listView_->columnCount()) return;
  listView_->clear();
  columnVar_.clear();
  QStringList captions;
  for (int i = 0; i < list.Count(); ++i)
    if (list.IsHiddenColumn(i)) {
      columnVar_.push_back(i);
      captions << Q(list.Item(i).label);
    }
  for (int i = 0; i < list.Count(); ++i)
    if (list.IsVisibleColumn(i) && !list.IsHiddenColumn(i)) {
      columnVar_.push_back(i);
      captions << Q(list.Item(i).label);
    }
  listView_->setColumnCount(static_cast<int>(captions.size()));
  listView_->setHeaderLabels(captions);
  // Port lists show as port numbers and ranges; the cells keep the value text.
  auto* portLists = listView_->findChild<KyPortListDelegate*>(QString(), Qt::FindDirectChildrenOnly);
  for (int c = 0; c < static_cast<int>(columnVar_.size()); ++c) {
    const auto& item = list.Item(columnVar_[static_cast<size_t>(c)]);
    if (IsPortListVariable(item.syntax, item.label)) {
      if (portLists == nullptr) portLists = new KyPortListDelegate(listView_);
      listView_->setItemDelegateForColumn(c, portLists);
    } else if (portLists != nullptr && listView_->itemDelegateForColumn(c) == portLists) {
      listView_->setItemDelegateForColumn(c, nullptr);
    }
  }
  auto* header = listView_->header();
  header->setSectionResizeMode(QHeaderView::Interactive);
  const QFontMetrics fm(header->font());
  for (int c = 0; c < static_cast<int>(columnVar_.size()); ++c) {
    const bool hidden = list.IsHiddenColumn(columnVar_[static_cast<size_t>(c)]);
    if (hidden) {
      header->setMinimumSectionSize(0);
      header->resizeSection(c, 0);
    } else {
      header->resizeSection(c, fm.horizontalAdvance(captions[c]) + 2 * fm.averageCharWidth() + 12);
    }
  }
}

int KySNMPRequest2Edits::ColumnVariable(int column) const {
  if (column < 0 || column >= static_cast<int>(columnVar_.size())) return -1;
  return columnVar_[static_cast<size_t>(column)];
}

void KySNMPRequest2Edits::AddRow() {
  if (!listView_) return;
  auto* line = new WalkedLine(request.varList, columnVar_);
  if (!walking_) {
    ShowHeldRows();
    listView_->addTopLevelItem(line);
    return;
  }
  // Lines appear while the walk runs and the window keeps answering:
  // together, every RowShowInterval() from the start of the walk. A walk
  // shorter than that (no one would see its lines come) shows them once.
  heldRows_.append(line);
  const qint64 interval = RowShowInterval(listView_->topLevelItemCount());
  if (shownAtMs_ < 0 || SinceShownMs() >= interval) {
    // The walk goes back to the event loop between replies (a synchronous
    // one too, from its caller's wait): the window draws them then.
    ShowHeldRows();
    return;
  }
  // Between replies of an asynchronous walk, and after a walk that stops
  // without its end, the timer shows what is held.
  if (!rowTimer_) {
    rowTimer_ = std::make_unique<QTimer>();
    rowTimer_->setSingleShot(true);
    QObject::connect(rowTimer_.get(), &QTimer::timeout, [this] { ShowHeldRows(); });
  }
  if (!rowTimer_->isActive())
    rowTimer_->start(static_cast<int>(std::max<qint64>(0, interval - SinceShownMs())));
}

long long KySNMPRequest2Edits::SinceShownMs() const {
  return (rowClock ? rowClock() : KySnmpNowMs()) - shownAtMs_;
}

void KySNMPRequest2Edits::ShowHeldRows() {
  if (rowTimer_) rowTimer_->stop();
  shownAtMs_ = rowClock ? rowClock() : KySnmpNowMs();
  if (heldRows_.isEmpty()) return;
  QList<QTreeWidgetItem*> lines;
  lines.swap(heldRows_);
  if (listView_) listView_->addTopLevelItems(lines);
  else qDeleteAll(lines);
}

void KySNMPRequest2Edits::SelectedRowToValues() {
  if (!listView_) return;
  const auto selected = listView_->selectedItems();
  if (selected.isEmpty()) return;
  QTreeWidgetItem* line = selected.first();
  const auto* walked = dynamic_cast<const WalkedLine*>(line);
  for (int c = 0; c < static_cast<int>(columnVar_.size()) && c < line->columnCount(); ++c) {
    request.varList.Item(columnVar_[static_cast<size_t>(c)]).value =
        walked && c < walked->CellCount() ? std::string(walked->Cell(c)) : S(line->text(c));
  }
}

void KySNMPRequest2Edits::BeforeGet() {
  if (!listView_) return;
  BuildColumns();
  if (rowTimer_) rowTimer_->stop();
  qDeleteAll(heldRows_);  // lines of a walk that never ended
  heldRows_.clear();
  shownAtMs_ = rowClock ? rowClock() : KySnmpNowMs();
  walking_ = true;
  listView_->clear();
}

void KySNMPRequest2Edits::RowReceived() {
  if (listView_) {
    AddRow();
    return;
  }
  NotePortListsRead();
  FillControls(-1);
}

void KySNMPRequest2Edits::NotePortListsRead() {
  const auto& list = request.varList;
  for (const auto& bp : bindings_) {
    const ControlBinding& b = *bp;
    if (!b.portList || b.variable < 0 || b.variable >= list.Count()) continue;
    const std::string image = ValueImage(list.Item(b.variable).value, list.Item(b.variable).syntax);
    if (image.empty()) readPortLists_.erase(b.variable);
    else readPortLists_[b.variable] = image;
  }
}

std::string KySNMPRequest2Edits::PortListBase(int index) const {
  if (listView_) {
    // A new row: as long as the rows the agent has in the table.
    const auto column = std::find(columnVar_.begin(), columnVar_.end(), index);
    if (column != columnVar_.end()) {
      const int c = static_cast<int>(column - columnVar_.begin());
      const ImageSyntax syntax = request.varList.Item(index).syntax;
      for (int i = 0; i < listView_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* line = listView_->topLevelItem(i);
        const auto* walked = dynamic_cast<const WalkedLine*>(line);
        const std::string image =
            ValueImage(walked && c < walked->CellCount() ? std::string(walked->Cell(c)) : S(line->text(c)), syntax);
        if (!image.empty()) return std::string(image.size(), '\0');
      }
    }
  } else {
    // The values were emptied before the controls were read back: start
    // from what the agent sent.
    const auto it = readPortLists_.find(index);
    if (it != readPortLists_.end()) return it->second;
  }
  return std::string(kPortListOctets, '\0');
}

void KySNMPRequest2Edits::AfterGet() {
  ShowHeldRows();
  walking_ = false;
  if (listView_ && request.varList.kind == 2 && disableUntilSelected) EnableControls(false);
}

void KySNMPRequest2Edits::ReadStopped() {
  ShowHeldRows();
  walking_ = false;
}

void KySNMPRequest2Edits::ListViewChanged() {
  if (!listView_ || listView_->selectedItems().isEmpty()) return;
  if (disableUntilSelected) EnableControls(true);
  SelectedRowToValues();
  try {
    FillControls(-1);
  } catch (const std::exception& e) {
    // A line that does not fit a binding: say so, keep the program going.
    statusKind = kGetStatus;
    if (StatusTarget()) ShowStatus(ErrorText(e));
    else ShowMessageBox(Owner(), Q(ErrorText(e)), ProgramCaption());
  }
}

void KySNMPRequest2Edits::ControlsToValues() {
  for (auto& item : request.varList.items) item.value.clear();
  if (listView_) SelectedRowToValues();
  ReadControls(-1);
}
