// A tiny SNMPv1/v2c agent on a loopback UDP port, for replies that a real
// agent does not give (non-increasing GET-NEXT, silence, delays, short
// replies). It decodes just enough BER to see the request and answers
// through a handler; it runs in its own thread.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace fake {

using Oid = std::vector<uint32_t>;

struct Vb {
  Oid oid;
  uint8_t type = 0x05;
  std::string content;  // BER content octets of the value
};

struct Request {
  long version = 0;
  std::string community;
  uint8_t pduType = 0;  // 0xA0 get, 0xA1 get-next, 0xA3 set, 0xA5 get-bulk
  long requestId = 0;
  long nonRepeaters = 0;   // get-bulk (the error-status field of other PDUs)
  long maxRepetitions = 0; // get-bulk (the error-index field of other PDUs)
  std::vector<Vb> vbs;
};

struct Response {
  long errorStatus = 0;
  long errorIndex = 0;
  std::vector<Vb> vbs;
  bool drop = false;      // send nothing
  int delayMs = 0;        // wait before answering
};

// --- BER -------------------------------------------------------------------
inline std::string Len(size_t n) {
  std::string out;
  if (n < 128) {
    out.push_back(static_cast<char>(n));
    return out;
  }
  std::string bytes;
  while (n) {
    bytes.insert(bytes.begin(), static_cast<char>(n & 0xFF));
    n >>= 8;
  }
  out.push_back(static_cast<char>(0x80 | bytes.size()));
  return out + bytes;
}
inline std::string Tlv(uint8_t tag, const std::string& content) {
  return std::string(1, static_cast<char>(tag)) + Len(content.size()) + content;
}
inline std::string IntContent(long long v) {
  std::string out;
  for (int i = 7; i >= 0; --i) out.push_back(static_cast<char>((v >> (i * 8)) & 0xFF));
  while (out.size() > 1 && ((out[0] == 0 && !(out[1] & 0x80)) || (out[0] == '\xff' && (out[1] & 0x80))))
    out.erase(out.begin());
  return out;
}
inline std::string UIntContent(unsigned long long v) {
  std::string out = IntContent(static_cast<long long>(v & 0x7FFFFFFFFFFFFFFFull));
  if (v > 0x7FFFFFFFFFFFFFFFull) out = std::string(1, '\0') + IntContent(static_cast<long long>(v));
  return out;
}
inline std::string OidContent(const Oid& oid) {
  std::string out;
  if (oid.size() < 2) return std::string(1, '\0');
  auto put = [&](uint32_t v) {
    std::string b;
    b.push_back(static_cast<char>(v & 0x7F));
    v >>= 7;
    while (v) {
      b.insert(b.begin(), static_cast<char>(0x80 | (v & 0x7F)));
      v >>= 7;
    }
    out += b;
  };
  put(oid[0] * 40 + oid[1]);
  for (size_t i = 2; i < oid.size(); ++i) put(oid[i]);
  return out;
}

inline Vb Int(Oid oid, long long v) { return {std::move(oid), 0x02, IntContent(v)}; }
inline Vb Str(Oid oid, std::string s) { return {std::move(oid), 0x04, std::move(s)}; }
inline Vb Gauge(Oid oid, unsigned long v) { return {std::move(oid), 0x42, UIntContent(v)}; }
inline Vb Null(Oid oid) { return {std::move(oid), 0x05, {}}; }
inline Vb EndOfMib(Oid oid) { return {std::move(oid), 0x82, {}}; }

inline Oid Cat(Oid a, const Oid& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class Reader {
 public:
  explicit Reader(std::string_view d) : d_(d) {}
  bool Next(uint8_t& tag, std::string_view& content) {
    if (p_ + 2 > d_.size()) return false;
    tag = static_cast<uint8_t>(d_[p_++]);
    size_t len = static_cast<uint8_t>(d_[p_++]);
    if (len & 0x80) {
      size_t n = len & 0x7F;
      if (n > 4 || p_ + n > d_.size()) return false;
      len = 0;
      for (size_t i = 0; i < n; ++i) len = (len << 8) | static_cast<uint8_t>(d_[p_++]);
    }
    if (p_ + len > d_.size()) return false;
    content = d_.substr(p_, len);
    p_ += len;
    return true;
  }
  bool AtEnd() const { return p_ >= d_.size(); }

 private:
  std::string_view d_;
  size_t p_ = 0;
};

inline long long IntValue(std::string_view c) {
  long long v = c.empty() ? 0 : (static_cast<signed char>(c[0]) < 0 ? -1 : 0);
  for (unsigned char b : c) v = (v << 8) | b;
  return v;
}
inline Oid OidValue(std::string_view c) {
  Oid oid;
  uint32_t v = 0;
  bool first = true;
  for (unsigned char b : c) {
    v = (v << 7) | (b & 0x7F);
    if (b & 0x80) continue;
    if (first) {
      oid.push_back(v < 80 ? v / 40 : 2);
      oid.push_back(v < 80 ? v % 40 : v - 80);
      first = false;
    } else {
      oid.push_back(v);
    }
    v = 0;
  }
  return oid;
}

inline bool Decode(std::string_view msg, Request& r) {
  Reader top(msg);
  uint8_t tag;
  std::string_view seq, c;
  if (!top.Next(tag, seq) || tag != 0x30) return false;
  Reader m(seq);
  if (!m.Next(tag, c) || tag != 0x02) return false;
  r.version = static_cast<long>(IntValue(c));
  if (!m.Next(tag, c) || tag != 0x04) return false;
  r.community = std::string(c);
  std::string_view pdu;
  if (!m.Next(r.pduType, pdu)) return false;
  Reader p(pdu);
  if (!p.Next(tag, c)) return false;
  r.requestId = static_cast<long>(IntValue(c));
  if (!p.Next(tag, c)) return false;
  r.nonRepeaters = static_cast<long>(IntValue(c));
  if (!p.Next(tag, c)) return false;
  r.maxRepetitions = static_cast<long>(IntValue(c));
  std::string_view list;
  if (!p.Next(tag, list)) return false;
  Reader l(list);
  std::string_view vbSeq;
  while (l.Next(tag, vbSeq)) {
    Reader v(vbSeq);
    Vb vb;
    if (!v.Next(tag, c)) return false;
    vb.oid = OidValue(c);
    if (!v.Next(vb.type, c)) return false;
    vb.content = std::string(c);
    r.vbs.push_back(std::move(vb));
  }
  return true;
}

inline std::string Encode(const Request& req, const Response& resp) {
  std::string list;
  for (const Vb& vb : resp.vbs) list += Tlv(0x30, Tlv(0x06, OidContent(vb.oid)) + Tlv(vb.type, vb.content));
  std::string pdu = Tlv(0x02, IntContent(req.requestId)) + Tlv(0x02, IntContent(resp.errorStatus)) +
                    Tlv(0x02, IntContent(resp.errorIndex)) + Tlv(0x30, list);
  return Tlv(0x30, Tlv(0x02, IntContent(req.version)) + Tlv(0x04, req.community) + Tlv(0xA2, pdu));
}

// --- The agent ---------------------------------------------------------------
class Agent {
 public:
  using Handler = std::function<Response(const Request&)>;

  explicit Agent(Handler handler) : handler_(std::move(handler)) {
    fd_ = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { Run(); });
  }
  ~Agent() {
    stop_ = true;
    thread_.join();
    close(fd_);
  }
  uint16_t port() const { return port_; }
  std::vector<Request> requests() {
    std::lock_guard<std::mutex> lock(mu_);
    return requests_;
  }
  size_t datagrams() const { return datagrams_; }

 private:
  void Run() {
    while (!stop_) {
      pollfd p{fd_, POLLIN, 0};
      if (poll(&p, 1, 20) <= 0) continue;
      char buf[65536];
      sockaddr_in from{};
      socklen_t flen = sizeof from;
      ssize_t n = recvfrom(fd_, buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&from), &flen);
      if (n <= 0) continue;
      ++datagrams_;
      Request req;
      if (!Decode(std::string_view(buf, static_cast<size_t>(n)), req)) continue;
      {
        std::lock_guard<std::mutex> lock(mu_);
        requests_.push_back(req);
      }
      Response resp = handler_(req);
      if (resp.drop) continue;
      if (resp.delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(resp.delayMs));
      std::string out = Encode(req, resp);
      sendto(fd_, out.data(), out.size(), 0, reinterpret_cast<sockaddr*>(&from), flen);
    }
  }

  Handler handler_;
  int fd_ = -1;
  uint16_t port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<size_t> datagrams_{0};
  std::mutex mu_;
  std::vector<Request> requests_;
  std::thread thread_;
};

}  // namespace fake
