// A small JSON reader and writer for the settings snapshots: objects keep the
// order of their members as written, every value knows the line and column it
// started at, and the writer puts one member per line so that two files
// compare well line by line. Plain C++, no toolkit.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct KyJson {
  enum class Type { Null, Bool, Number, String, Array, Object };

  Type type = Type::Null;
  bool boolean = false;
  std::string text;  // String: the decoded text; Number: the number as written
  std::vector<KyJson> items;                             // Array
  std::vector<std::pair<std::string, KyJson>> members;  // Object, in file order
  int line = 0;     // where the value starts (1-based)
  int column = 0;

  bool IsObject() const { return type == Type::Object; }
  bool IsArray() const { return type == Type::Array; }
  bool IsString() const { return type == Type::String; }
  // The member named `name`, or nullptr (first one when a name repeats).
  const KyJson* Find(std::string_view name) const;
};

// Where a text stopped being JSON.
struct KyJsonError {
  int line = 0;
  int column = 0;
  std::string message;
};

// Parses a whole text (one value, blanks around it). Nesting deeper than 64
// levels is refused, and so are duplicate member names within one object.
std::optional<KyJson> ParseJson(std::string_view text, KyJsonError& error);

// A string in double quotes with JSON escapes. Control characters and '"',
// '\' are escaped; a byte sequence that is not UTF-8 becomes U+FFFD (these
// texts are for reading; exact bytes travel as hex).
std::string JsonQuote(std::string_view text);

// One element of a JSON pointer ("~" as "~0", "/" as "~1").
std::string JsonPointerToken(std::string_view name);
