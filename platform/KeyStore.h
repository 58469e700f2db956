// Key store: the host suite's machine-wide keys (keys with named string
// values, as under HKEY_LOCAL_MACHINE) kept in one text file.
//
// File format (UTF-8 or any 8-bit text; bytes are kept as they are):
//
//   # comment (also ";")
//   [SOFTWARE\Norvane\Velmar5.1\ExePath]
//   Path=/opt/velmar/bin/
//
// A line "[key]" starts a key; the lines "name=value" below it are its
// values. Key names use "\" between their parts, leading and trailing "\"
// do not count, and key and value names compare without regard to ASCII
// case. Blanks around a name and around a value are not part of it. In names
// and values "%XX" (two hex digits) stands for the byte XX; the store writes
// "%", control characters, leading and trailing blanks, and "=" in a value
// name in this form, so that every byte string survives a write and a read.
// A key also exists when one of its sub-keys is written. Writing keeps every
// other line of the file as it is and replaces the file through a temporary
// file in the same folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class KyKeyStore {
 public:
  // A store kept in the file at path (the file need not exist yet).
  explicit KyKeyStore(std::string path);

  // The store of this user: $QRX_KEYSTORE when set and not empty, otherwise
  // $XDG_CONFIG_HOME/qrx900/keystore, otherwise ~/.config/qrx900/keystore.
  static KyKeyStore Default();

  const std::string& path() const { return path_; }

  // Whether the key, or a sub-key of it, is in the store.
  bool KeyExists(std::string_view key) const;

  // Opens a key. Without create, true when the key exists. With create, a
  // missing key is written to the file (creating the file and its folder);
  // false when that fails.
  bool OpenKey(std::string_view key, bool create);

  // The string value name of key; nothing when the key or the value is missing
  // or the file cannot be read.
  std::optional<std::string> ReadString(std::string_view key, std::string_view name) const;

  // Writes a string value, creating the key. False when the file cannot be
  // read back (an unreadable store is never overwritten) or written.
  bool WriteString(std::string_view key, std::string_view name, std::string_view value);

  // Removes a value. True when it was there and the file was written.
  bool DeleteValue(std::string_view key, std::string_view name);

 private:
  std::string path_;
};

// Path of the default store (see KyKeyStore::Default); "" when neither
// $QRX_KEYSTORE, $XDG_CONFIG_HOME nor a home folder is known.
std::string DefaultKeyStorePath();

// The canonical form of a key name: "/" read as "\", repeated separators
// folded, no leading or trailing separator ("\SOFTWARE\A\" -> "SOFTWARE\A").
std::string NormalizeKeyName(std::string_view key);

// The escaping of names and values in the file (see above).
std::string EscapeKeyStoreText(std::string_view text, bool isName);
std::string UnescapeKeyStoreText(std::string_view text);
