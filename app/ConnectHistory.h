// The switches the connect window reached last: at most ten, the one used
// last first, kept in the user's configuration folder
// ($XDG_CONFIG_HOME/qrx900/connect-history.json, else
// ~/.config/qrx900/connect-history.json, beside the key store). Only what
// finds a switch again is kept: address, port, version, user name, security
// level and protocols, context; never a community or a pass phrase.
//
// A file that is not such a history (damaged, cut short, written by another
// program) is renamed aside, the window warns about it and a new history is
// started; a file that cannot be read or set aside is left alone and nothing
// is written over it. Every write replaces the file atomically (QSaveFile).
#pragma once

#include <QString>
#include <cstddef>
#include <vector>

// One remembered switch.
struct ConnectEntry {
  QString agent;            // IPv4 address or DNS name
  int port = 161;           // UDP port
  int version = 1;          // "/v": 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
  QString userName;         // SNMPv3 only, like everything below
  int securityLevel = 1;    // "/l": 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
  int authProtocol = 3;     // "/a", 2 to 7
  int privProtocol = 19;    // "/p", 2 or 19 to 21
  QString contextName;
  QString contextEngineId;

  // The same switch: the same agent at the same port.
  bool SameSwitch(const ConnectEntry& other) const;
  bool operator==(const ConnectEntry&) const = default;
  // "192.0.2.10", or "192.0.2.10:1161" away from port 161: the text of the
  // agent drop-down.
  QString Label() const;
};

class ConnectHistory {
 public:
  static constexpr int kMaxEntries = 10;

  // The file in the user's configuration folder ("" when no folder is known).
  static QString DefaultPath();

  // Reads the history from path (see Load).
  explicit ConnectHistory(QString path = DefaultPath());

  const QString& path() const { return path_; }
  const std::vector<ConnectEntry>& entries() const { return entries_; }
  // What went wrong with the file, for the window to show ("" when nothing).
  const QString& warning() const { return warning_; }

  // Reads the file again. None is an empty history.
  void Load();
  // Puts the entry first, in place of an entry of the same switch, keeps the
  // first ten and writes the file. False (and a warning) when it cannot be written.
  bool Use(const ConnectEntry& entry);
  // Removes the entry of that switch and writes the file; false when there
  // is none or the file cannot be written.
  bool Forget(const ConnectEntry& entry);

 private:
  bool Save();
  // A name beside the file that is not taken yet, for a file set aside.
  QString AsideName() const;

  QString path_;
  std::vector<ConnectEntry> entries_;
  QString warning_;
  bool writable_ = true;  // false: the file is kept as it is
};

// The choices of the connect window's drop-downs: the number of the launch
// switch and its label. Only what this program can use is offered.
struct ConnectChoice {
  int value;
  const char* label;
};
inline constexpr ConnectChoice kConnectVersions[] = {{0, "SNMPv1"}, {1, "SNMPv2c"}, {3, "SNMPv3"}};
inline constexpr ConnectChoice kConnectSecurityModels[] = {{3, "USM (user-based)"}};
inline constexpr ConnectChoice kConnectSecurityLevels[] = {
    {1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}};
inline constexpr ConnectChoice kConnectAuthProtocols[] = {
    {2, "HMAC-MD5"},         {3, "HMAC-SHA"},         {4, "HMAC-SHA-224"},
    {5, "HMAC-SHA-256"},     {6, "HMAC-SHA-384"},     {7, "HMAC-SHA-512"}};
inline constexpr ConnectChoice kConnectPrivProtocols[] = {
    {2, "DES"}, {19, "AES-128"}, {20, "AES-192"}, {21, "AES-256"}};

// Whether value is one of choices.
template <std::size_t N>
bool IsConnectChoice(const ConnectChoice (&choices)[N], int value) {
  for (const ConnectChoice& c : choices)
    if (c.value == value) return true;
  return false;
}
