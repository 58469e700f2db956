// The SET journal of qrx900-sim ("--journal FILE"): one record per SET PDU
// received, whatever its outcome, appended and flushed as it is written so
// that a test can read it as soon as the manager's SET returned:
//
//   SET <number of varbinds>
//   <numeric oid> <TYPE> <value>      one line per varbind, in PDU order
//
// TYPE: INTEGER, OCTET_STRING, OBJECT_IDENTIFIER, IpAddress, Counter32,
// Gauge32, TimeTicks, Opaque, Counter64 or NULL. Numbers in decimal; octets
// as uppercase hex pairs separated by single spaces (nothing after the type
// when empty); IpAddress dotted; OIDs numeric without a leading dot.
//
// The request journal ("--request-journal FILE") holds one record per
// request PDU received, whatever becomes of it:
//
//   <GET|GETNEXT|GETBULK|SET> <number of varbinds> id=<request-id>[ nr=<n> mr=<m>]
//   <numeric oid>[ <TYPE> <value>]    one line per varbind, in PDU order
//
// nr= and mr= (non-repeaters, max-repetitions) only for GETBULK; the type and
// value only for SET, written as in the SET journal.
#pragma once

#include <string>
#include <vector>

#include "sim/SimModel.h"

namespace sim {

// The journal's name of a wire type (NULL for anything it does not know).
const char* JournalTypeName(uint8_t type);

// One complete record, ending with a newline.
std::string FormatJournalRecord(const std::vector<Varbind>& vbs);

// A request as the request journal shows it.
struct JournalRequest {
  enum class Op { Get, GetNext, GetBulk, Set } op = Op::Get;
  long requestId = 0;
  long nonRepeaters = 0;    // GETBULK
  long maxRepetitions = 0;  // GETBULK
  std::vector<Varbind> vbs;  // values only for SET
};
// One complete record of the request journal, ending with a newline.
std::string FormatRequestRecord(const JournalRequest& request);

class SetJournal {
 public:
  SetJournal() = default;
  SetJournal(const SetJournal&) = delete;
  SetJournal& operator=(const SetJournal&) = delete;
  ~SetJournal();

  // Opens (creates) the file for appending; false with a message.
  bool Open(const std::string& path, std::string* error);
  bool IsOpen() const { return fd_ >= 0; }
  // Appends one record in a single write; false (with a message) when the
  // file could not take all of it.
  bool Write(const std::vector<Varbind>& vbs, std::string* error);
  // The same with a record already formatted.
  bool WriteRecord(const std::string& record, std::string* error);

 private:
  int fd_ = -1;
  std::string path_;
};

}  // namespace sim
