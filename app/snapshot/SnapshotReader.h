// Reads a settings snapshot from the agent through the request engine,
// asynchronously: every table of the plan is read by a request of its own
// (walks with GETBULK where the version has it), several at a time, so that
// a slow link costs little more than its round trips. Completions run from
// the event pump; nothing here blocks.
//
// Objects the agent lacks are recorded as missing (over SNMPv1 a GET that
// names one is repeated without it). A command whose read fails is recorded
// as not read, with the error; when the agent stops answering (two timeouts
// in a row) the commands not yet read are given up and recorded likewise, and
// the snapshot is not complete.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/snapshot/SettingsSnapshot.h"

class KySNMPRequest;

class KySettingsSnapshotReader {
 public:
  struct Progress {
    int commandsDone = 0;
    int commandsTotal = 0;
    int rows = 0;
    std::string current;  // the path of the command read last started
  };
  using ProgressCallback = std::function<void(const Progress&)>;
  // Runs from a completion: it must not destroy the reader (defer that).
  using DoneCallback = std::function<void()>;

  // Reads the commands of `plan` (all of SettingsPlan() when empty).
  explicit KySettingsSnapshotReader(std::vector<const SnapshotCommandPlan*> plan = {});
  // Stops the reads and waits for their exchanges (bounded by the engine).
  ~KySettingsSnapshotReader();
  KySettingsSnapshotReader(const KySettingsSnapshotReader&) = delete;
  KySettingsSnapshotReader& operator=(const KySettingsSnapshotReader&) = delete;

  // Sends the first requests; raises when the very first send fails.
  void Start(ProgressCallback progress, DoneCallback done);
  // Stops: no further request is sent and `done` is not called.
  void Cancel();

  bool Running() const { return running_; }
  bool Cancelled() const { return cancelled_; }
  // After `done`: the snapshot (agent, system group, time and program
  // version filled in) ...
  const SettingsSnapshot& Result() const { return result_; }
  // ... or, when nothing could be read at all (the agent does not answer),
  // the reason; the snapshot is then empty and must not be saved.
  const std::string& Failure() const { return failure_; }

  // Requests in flight at once.
  int maxInFlight = 8;
  // Timed-out commands in a row after which the rest is given up.
  int timeoutsToGiveUp = 2;

 private:
  struct Job;
  class RecordingRequest;

  void OnSystemRead(int code, const std::string& message);
  void Launch();
  void StartJob(Job& job);
  void OnJobReply(Job& job, int code, int errorIndex, const std::string& message, bool finished);
  void TakeRow(Job& job);
  void FinishJob(Job& job, int code, const std::string& message);
  void GiveUp(const std::string& reason);
  void Finish();
  void ReportProgress();

  std::vector<const SnapshotCommandPlan*> plan_;
  std::vector<std::unique_ptr<Job>> jobs_;
  std::unique_ptr<KySNMPRequest> system_;
  size_t next_ = 0;
  int inFlight_ = 0;
  int timeoutsInRow_ = 0;
  int rows_ = 0;
  int commandsDone_ = 0;
  std::vector<int> tablesLeft_;  // per command
  std::string current_;
  bool running_ = false;
  bool cancelled_ = false;
  bool givenUp_ = false;
  ProgressCallback progress_;
  DoneCallback done_;
  SettingsSnapshot result_;
  std::string failure_;
};

// The current time as the snapshot records it: UTC, "2026-12-10T20:00:00Z".
std::string SnapshotTimeNow();
