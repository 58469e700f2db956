#include "sim/SimJournal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace sim {

const char* JournalTypeName(uint8_t type) {
  switch (type) {
    case Asn::Integer: return "INTEGER";
    case Asn::OctetString: return "OCTET_STRING";
    case Asn::ObjectId: return "OBJECT_IDENTIFIER";
    case Asn::IpAddress: return "IpAddress";
    case Asn::Counter32: return "Counter32";
    case Asn::Gauge32: return "Gauge32";
    case Asn::TimeTicks: return "TimeTicks";
    case Asn::Opaque: return "Opaque";
    case Asn::Counter64: return "Counter64";
    default: return "NULL";
  }
}

namespace {
std::string Hex(const std::string& bytes) {
  static const char* const kDigits = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    if (!out.empty()) out += ' ';
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

std::string ValueText(const Value& v) {
  switch (v.type) {
    case Asn::Integer: return std::to_string(v.AsInt());
    case Asn::Counter32:
    case Asn::Gauge32:
    case Asn::TimeTicks:
    case Asn::Counter64: return std::to_string(v.number);
    case Asn::OctetString:
    case Asn::Opaque: return Hex(v.bytes);
    case Asn::IpAddress: {
      std::string out;
      for (unsigned char c : v.bytes) {
        if (!out.empty()) out += '.';
        out += std::to_string(c);
      }
      return out;
    }
    case Asn::ObjectId: return OidToString(v.oid);
    default: return {};
  }
}

void AppendVarbinds(const std::vector<Varbind>& vbs, bool withValues, std::string& out) {
  for (const Varbind& vb : vbs) {
    out += OidToString(vb.oid);
    if (withValues) {
      out += ' ';
      out += JournalTypeName(vb.value.type);
      std::string value = ValueText(vb.value);
      if (!value.empty()) out += ' ' + value;
    }
    out += '\n';
  }
}
}  // namespace

std::string FormatJournalRecord(const std::vector<Varbind>& vbs) {
  std::string out = "SET " + std::to_string(vbs.size()) + "\n";
  AppendVarbinds(vbs, true, out);
  return out;
}

std::string FormatRequestRecord(const JournalRequest& request) {
  using Op = JournalRequest::Op;
  const char* name = request.op == Op::Get       ? "GET"
                     : request.op == Op::GetNext ? "GETNEXT"
                     : request.op == Op::GetBulk ? "GETBULK"
                                                 : "SET";
  std::string out = std::string(name) + " " + std::to_string(request.vbs.size()) + " id=" +
                    std::to_string(request.requestId);
  if (request.op == Op::GetBulk)
    out += " nr=" + std::to_string(request.nonRepeaters) + " mr=" + std::to_string(request.maxRepetitions);
  out += '\n';
  AppendVarbinds(request.vbs, request.op == Op::Set, out);
  return out;
}

SetJournal::~SetJournal() {
  if (fd_ >= 0) close(fd_);
}

bool SetJournal::Open(const std::string& path, std::string* error) {
  if (fd_ >= 0) close(fd_);
  fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  path_ = path;
  if (fd_ < 0) {
    if (error) *error = "cannot open the journal " + path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

bool SetJournal::Write(const std::vector<Varbind>& vbs, std::string* error) {
  return WriteRecord(FormatJournalRecord(vbs), error);
}

bool SetJournal::WriteRecord(const std::string& record, std::string* error) {
  if (fd_ < 0) return false;
  size_t done = 0;
  while (done < record.size()) {
    ssize_t n = write(fd_, record.data() + done, record.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (error) *error = "cannot write the journal " + path_ + ": " + std::strerror(errno);
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace sim
