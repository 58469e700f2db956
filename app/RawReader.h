// Reading a set of instances in groups: one asynchronous GET per group
// through the request engine, all sent at once; a poll ends when every group
// has answered or failed. The values are kept as received (numbers, octets,
// the exceptions of missing objects), to be checked by type by the reader.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "snmp/Request.h"

class KyRawRequest : public KySNMPRequest {
 public:
  void StoreValue(int i, const KyVb& vb) override {
    if (i >= 0 && static_cast<size_t>(i) < raw.size()) raw[static_cast<size_t>(i)] = vb;
  }
  std::vector<KyVb> raw;
};

// Bindings per GET: a reply every agent can send.
inline constexpr int kRawGroupSize = 40;

class KyRawReader {
 public:
  using Done = std::function<void(const std::vector<KyVb>& values, const QString& error)>;

  explicit KyRawReader(const std::vector<std::vector<std::string>>& groups) {
    for (const auto& oids : groups) {
      auto r = std::make_unique<KyRawRequest>();
      KySNMPVarList list;
      list.kind = 1;
      list.keyCount = 0;
      list.name = " Panel";
      for (const std::string& oid : oids) list.AppendItem(oid, "value", Syntax::OctetString, Access::Read);
      r->varList = list;
      r->raw.assign(oids.size(), KyVb{});
      requests_.push_back(std::move(r));
    }
  }
  ~KyRawReader() {
    *alive_ = false;
    for (auto& r : requests_) r->enabled = false;
  }

  bool Busy() const { return pending_ > 0; }
  // The poll under way ends without calling back (its requests still
  // complete, so the reader can go once it is no longer busy).
  void Discard() { done_ = nullptr; }
  bool Version1() const { return !requests_.empty() && requests_[0]->security.version == SnmpVersion::V1; }

  bool Poll(Done done) {
    if (Busy() || requests_.empty()) return false;
    done_ = std::move(done);
    error_.clear();
    pending_ = static_cast<int>(requests_.size());
    auto alive = alive_;
    for (auto& r : requests_) {
      std::fill(r->raw.begin(), r->raw.end(), KyVb{});
      KyRawRequest* req = r.get();
      try {
        req->ReadAsync(
            [this, alive, req](void*, const KySNMPError& error, KySNMPVarList&) {
              if (!*alive) return;
              // Missing objects leave their values empty; the others count.
              if (error.code != 0 && !req->partialValues) {
                for (KyVb& vb : req->raw) vb = KyVb{};
                if (error_.isEmpty()) error_ = QString::fromStdString(error.message);
              }
              GroupDone();
            },
            nullptr, true);
      } catch (const KySNMPException& e) {
        if (error_.isEmpty()) error_ = QString::fromStdString(e.text());
        GroupDone();
      }
    }
    return true;
  }

 private:
  void GroupDone() {
    if (--pending_ > 0) return;
    std::vector<KyVb> values;
    for (auto& r : requests_) values.insert(values.end(), r->raw.begin(), r->raw.end());
    // A copy: the callback may discard this poll or retire the reader.
    const Done done = done_;
    if (done) done(values, error_);
  }

  std::vector<std::unique_ptr<KyRawRequest>> requests_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  int pending_ = 0;
  QString error_;
  Done done_;
};

