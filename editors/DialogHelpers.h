// Helpers of the hand-written dialogs: the column exclusion of one write and
// the field checks with their message boxes.
#pragma once

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "snmp/VarList.h"

class QWidget;

// ---------------------------------------------------------------------------
// Column exclusion for one write. The guard saves the access flags of every
// variable of the list when it is made; Exclude sets a variable's flags to
// Access::Excluded alone (the variable is left out of the exchange); the
// saved flags come back when the guard goes, whichever way the operation
// ends: after the write, after a failed write, after a validation message,
// or through an exception.
class KyColumnExclusion {
 public:
  explicit KyColumnExclusion(KySNMPVarList& list);
  ~KyColumnExclusion();
  KyColumnExclusion(const KyColumnExclusion&) = delete;
  KyColumnExclusion& operator=(const KyColumnExclusion&) = delete;

  void Exclude(int index);
  void Exclude(std::initializer_list<int> indexes);
  // Excludes every variable except those listed.
  void ExcludeAllBut(std::initializer_list<int> keep);
  // Puts a variable's saved flags back (re-includes it for this write).
  void Include(int index);
  // Puts every saved flag back now (the destructor then does it again).
  void Restore();
  int32_t SavedAccess(int index) const;

 private:
  KySNMPVarList& list_;
  std::vector<int32_t> saved_;
};

// ---------------------------------------------------------------------------
// Field checks. Each Check... shows its message in a message box (owner
// `owner`) and answers false when the text fails.

inline constexpr const char* kInvalidIpMessage = "Please input a valid ip";

// A dotted IPv4 address as typed: digits and exactly three dots, no dot first
// or without a digit after it, octets of at most 3 characters and at most
// 255, an octet of value 0 not written with "00". Leading zeros of a non-zero
// octet pass ("01"). A text longer than 15 characters fails (no address is).
bool IsIpv4Text(const QString& text);
bool CheckIpv4Text(QWidget* owner, const QString& text, const QString& message = kInvalidIpMessage);

// Exactly `digits` characters, each 0-9, a-f or A-F.
bool IsHexField(const QString& text, int digits);
bool CheckHexField(QWidget* owner, const QString& text, int digits, const QString& message);
