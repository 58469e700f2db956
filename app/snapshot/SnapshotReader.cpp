#include "app/snapshot/SnapshotReader.h"

#include <algorithm>
#include <ctime>
#include <map>

#include "editors/Version.h"
#include "snmp/Messages.h"
#include "snmp/Request.h"

namespace {

constexpr const char* kSysDescr = "1.3.6.1.2.1.1.1";
constexpr const char* kSysObjectId = "1.3.6.1.2.1.1.2";
constexpr const char* kSysUpTime = "1.3.6.1.2.1.1.3";
constexpr const char* kGivenUp = "not read: the switch stopped answering";

bool IndexOnly(const KySNMPVarDef& item) { return item.oid.find_first_not_of(' ') == std::string::npos; }

// Order of two row indexes as OIDs.
bool IndexLess(const std::string& a, const std::string& b) {
  const auto order = CompareOidTexts(a, b);
  return order ? *order < 0 : a < b;
}

}  // namespace

std::string SnapshotTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

// A request that keeps every binding it stores, exactly as received.
class KySettingsSnapshotReader::RecordingRequest : public KySNMPRequest {
 public:
  std::vector<std::pair<int, KyVb>> received;

  void StoreValue(int i, const KyVb& vb) override {
    received.emplace_back(i, vb);
    try {
      KySNMPRequest::StoreValue(i, vb);
    } catch (const std::exception&) {
      // A value of a type the column does not read: its bytes are kept all
      // the same, and shown as they are.
      varList.Item(i).value = BytesToHex(EncodeValueBytes(vb));
    }
  }
};

struct KySettingsSnapshotReader::Job {
  size_t command = 0;
  const SnapshotTablePlan* table = nullptr;
  std::unique_ptr<RecordingRequest> request;
  std::map<std::string, SnapshotRow, bool (*)(const std::string&, const std::string&)> rows{IndexLess};
  std::vector<int> missing;  // items the agent lacks (scalar groups)
  bool started = false;
  bool done = false;
  bool failed = false;
  std::string error;
};

KySettingsSnapshotReader::KySettingsSnapshotReader(std::vector<const SnapshotCommandPlan*> plan)
    : plan_(std::move(plan)) {
  if (plan_.empty())
    for (const auto& c : SettingsPlan()) plan_.push_back(&c);
}

KySettingsSnapshotReader::~KySettingsSnapshotReader() {
  cancelled_ = true;
  // The requests go first: their completions refer to this object.
  for (auto& job : jobs_)
    if (job->request) job->request->enabled = false;
  if (system_) system_->enabled = false;
  jobs_.clear();
  system_.reset();
}

void KySettingsSnapshotReader::Start(ProgressCallback progress, DoneCallback done) {
  progress_ = std::move(progress);
  done_ = std::move(done);
  running_ = true;
  result_ = SettingsSnapshot{};
  result_.program = ProgramVersion();
  tablesLeft_.assign(plan_.size(), 0);
  for (size_t c = 0; c < plan_.size(); ++c) {
    for (const auto& table : plan_[c]->tables) {
      auto job = std::make_unique<Job>();
      job->command = c;
      job->table = &table;
      jobs_.push_back(std::move(job));
      ++tablesLeft_[c];
    }
  }
  system_ = std::make_unique<KySNMPRequest>();
  system_->varList.kind = 0;
  system_->varList.AppendItem(kSysDescr, "sysDescr", Syntax::DisplayString, Access::Read);
  system_->varList.AppendItem(kSysObjectId, "sysObjectID", Syntax::ObjectId, Access::Read);
  system_->varList.AppendItem(kSysUpTime, "sysUpTime", Syntax::TimeTicks, Access::Read);
  result_.agent = system_->device.address +
                  (system_->device.port != 161 ? ":" + std::to_string(system_->device.port) : std::string());
  try {
    system_->ReadAsync(
        [this](void*, const KySNMPError& error, KySNMPVarList&) { OnSystemRead(error.code, error.message); },
        nullptr, true);
  } catch (...) {
    running_ = false;
    throw;
  }
  ReportProgress();
}

void KySettingsSnapshotReader::Cancel() {
  if (!running_) return;
  cancelled_ = true;
  running_ = false;
  for (auto& job : jobs_)
    if (job->request) job->request->enabled = false;
  if (system_) system_->enabled = false;
}

void KySettingsSnapshotReader::OnSystemRead(int code, const std::string& message) {
  if (cancelled_) return;
  if (code != 0 && code != KyErr::SnmpNoSuchName) {
    // Not even the system group: nothing to save.
    failure_ = message;
    Finish();
    return;
  }
  auto text = [this](int i) {
    const std::string& v = system_->varList.Item(i).value;
    return v == kNullText ? std::string() : v;
  };
  result_.sysDescr = text(0);
  result_.sysObjectId = text(1);
  result_.sysUpTime = text(2);
  result_.time = SnapshotTimeNow();
  Launch();
}

void KySettingsSnapshotReader::Launch() {
  while (!cancelled_ && !givenUp_ && inFlight_ < maxInFlight && next_ < jobs_.size()) StartJob(*jobs_[next_++]);
  if (inFlight_ == 0 && (next_ >= jobs_.size() || givenUp_)) Finish();
}

void KySettingsSnapshotReader::StartJob(Job& job) {
  const SnapshotTablePlan& plan = *job.table;
  job.started = true;
  job.request = std::make_unique<RecordingRequest>();
  KySNMPVarList list(*plan.table, plan.kind, plan.keyCount);
  // Only the settings are asked for; the index columns come from the suffix.
  for (int i = 0; i < list.Count(); ++i)
    if (!std::binary_search(plan.items.begin(), plan.items.end(), i)) list.Item(i).access |= Access::Excluded;
  job.request->varList = std::move(list);
  current_ = plan_[job.command]->path;
  ++inFlight_;
  try {
    job.request->ReadAsync(
        [this, &job](void*, const KySNMPError& error, KySNMPVarList&) {
          OnJobReply(job, error.code, error.errorIndex, error.message, error.finished);
        },
        nullptr, true);
  } catch (const std::exception& e) {
    FinishJob(job, -1, e.what());
  }
  ReportProgress();
}

void KySettingsSnapshotReader::OnJobReply(Job& job, int code, int errorIndex, const std::string& message,
                                          bool finished) {
  if (cancelled_ || job.done) return;
  RecordingRequest& request = *job.request;
  const bool table = request.varList.IsTable();
  if (code == 0) {
    if (!request.received.empty()) TakeRow(job);
    if (table && !finished) {
      if (!request.enabled) return;
      try {
        request.ReadAsync(
            [this, &job](void*, const KySNMPError& error, KySNMPVarList&) {
              OnJobReply(job, error.code, error.errorIndex, error.message, error.finished);
            },
            nullptr, false);
      } catch (const std::exception& e) {
        FinishJob(job, -1, e.what());
      }
      ReportProgress();
      return;
    }
    FinishJob(job, 0, {});
    return;
  }
  if (code == KyErr::SnmpNoSuchName && !table) {
    // Objects the agent lacks. SNMPv2c and SNMPv3 name them with exceptions
    // and bring the others; SNMPv1 names the first by its position only and
    // brings nothing, so the GET goes again without it.
    if (request.partialValues) {
      TakeRow(job);
      FinishJob(job, 0, {});
      return;
    }
    request.received.clear();
    int position = 0;
    int lacking = -1;
    for (int i = 0; i < request.varList.Count(); ++i) {
      if (!request.varList.IsReadable(i)) continue;
      if (++position == errorIndex) lacking = i;
    }
    if (lacking < 0) {
      FinishJob(job, code, message);
      return;
    }
    job.missing.push_back(lacking);
    request.varList.Item(lacking).access |= Access::Excluded;
    bool any = false;
    for (int i = 0; i < request.varList.Count(); ++i) any = any || request.varList.IsReadable(i);
    if (!any) {
      TakeRow(job);
      FinishJob(job, 0, {});
      return;
    }
    try {
      request.ReadAsync(
          [this, &job](void*, const KySNMPError& error, KySNMPVarList&) {
            OnJobReply(job, error.code, error.errorIndex, error.message, error.finished);
          },
          nullptr, true);
    } catch (const std::exception& e) {
      FinishJob(job, -1, e.what());
    }
    return;
  }
  FinishJob(job, code, message);
}

void KySettingsSnapshotReader::TakeRow(Job& job) {
  RecordingRequest& request = *job.request;
  const KySNMPVarList& list = request.varList;
  const bool scalar = !list.IsTable();
  std::string rowIndex;
  std::map<int, std::pair<std::string, SnapshotValue>> values;  // item -> (row index, value)
  for (const auto& [i, vb] : request.received) {
    const std::string base = request.RequestOid(i) + (list.kind == 0 ? ".0" : "");
    const std::string received = vb.OidText();
    std::string index = "0";
    if (!scalar && received.size() > base.size() + 1 && received.compare(0, base.size(), base) == 0)
      index = received.substr(base.size() + 1);
    if (rowIndex.empty()) rowIndex = index;
    SnapshotValue v;
    v.key = list.Item(i).oid;
    v.label = list.Item(i).label;
    if (vb.HasNoValue()) {
      v.missing = true;
    } else {
      v.shown = list.Item(i).value;
      v.bytes = EncodeValueBytes(vb);
    }
    values[i] = {index, std::move(v)};
  }
  if (scalar) rowIndex = "0";
  for (int i : job.missing) {
    SnapshotValue v;
    v.key = list.Item(i).oid;
    v.label = list.Item(i).label;
    v.missing = true;
    values[i] = {"0", std::move(v)};
  }
  if (!scalar && !rowIndex.empty()) {
    for (int i = 0; i < list.keyCount && i < list.Count(); ++i) {
      if (!IndexOnly(list.Item(i))) continue;
      SnapshotValue v;
      v.key = "index " + std::to_string(i);
      v.label = list.Item(i).label;
      v.shown = list.Item(i).value;
      values[i] = {rowIndex, std::move(v)};
    }
  }
  request.received.clear();
  for (auto& [item, entry] : values) {
    (void)item;
    auto [it, added] = job.rows.try_emplace(entry.first);
    if (added) {
      it->second.index = entry.first;
      ++rows_;
    }
    it->second.values.push_back(std::move(entry.second));
  }
}

void KySettingsSnapshotReader::FinishJob(Job& job, int code, const std::string& message) {
  if (job.done) return;
  job.done = true;
  --inFlight_;
  if (code != 0) {
    job.failed = true;
    job.error = message;
    if (code == KyErr::ClassTimeout) {
      if (++timeoutsInRow_ >= timeoutsToGiveUp) GiveUp(kGivenUp);
    }
  } else {
    timeoutsInRow_ = 0;
  }
  if (--tablesLeft_[job.command] == 0) ++commandsDone_;
  ReportProgress();
  Launch();
}

void KySettingsSnapshotReader::GiveUp(const std::string& reason) {
  if (givenUp_) return;
  givenUp_ = true;
  for (auto& job : jobs_) {
    if (job->done) continue;
    if (job->request) job->request->enabled = false;
    job->failed = true;
    job->error = reason;
    if (job->started) {
      job->done = true;
      --inFlight_;
    } else {
      job->done = true;
    }
  }
}

void KySettingsSnapshotReader::Finish() {
  if (!running_) return;
  running_ = false;
  if (failure_.empty()) {
    for (size_t c = 0; c < plan_.size(); ++c) {
      SnapshotCommand command;
      command.path = plan_[c]->path;
      command.handler = std::string(plan_[c]->entry->handler);
      for (const auto& job : jobs_) {
        if (job->command != c) continue;
        if (job->failed) {
          command.read = false;
          if (command.error.empty()) command.error = job->error;
          continue;
        }
        SnapshotTable table;
        table.name = job->table->table->name;
        for (auto& [index, row] : job->rows) {
          // Values in the order of the table's columns.
          std::vector<SnapshotValue> ordered;
          for (int i : job->table->items) {
            const KyVarDefRow& def = job->table->table->rows[static_cast<size_t>(i)];
            const std::string key = std::string(def.oid).find_first_not_of(' ') == std::string::npos
                                        ? "index " + std::to_string(i)
                                        : std::string(def.oid);
            for (auto& v : row.values)
              if (v.key == key) ordered.push_back(v);
          }
          row.values = std::move(ordered);
          table.rows.push_back(row);
        }
        command.tables.push_back(std::move(table));
      }
      if (!command.read) command.tables.clear();
      result_.complete = result_.complete && command.read;
      result_.commands.push_back(std::move(command));
    }
  }
  ReportProgress();
  if (done_) done_();
}

void KySettingsSnapshotReader::ReportProgress() {
  if (!progress_) return;
  Progress p;
  p.commandsDone = commandsDone_;
  p.commandsTotal = static_cast<int>(plan_.size());
  p.rows = rows_;
  p.current = current_;
  progress_(p);
}
