// The byte image of a value: the bytes that a value text stands for under a
// syntax code, pieces of it at byte offsets, and single bits (port lists).
// Numbers are least significant byte first unless noted; see ByteImage.cpp.
#pragma once

#include <cstdint>
#include <string>

#include "snmp/VarList.h"

// Piece syntax codes (sub-fields of an octet string).
enum class PieceSyntax : int32_t {
  Bool8 = 0xc1,    // 1 byte, 0 or 1, "true"/"false"
  Int8 = 0xc2,     // 1 byte signed
  UInt8 = 0xc3,    // 1 byte unsigned
  Bool16 = 0xc4,   // 2 bytes, most significant first, "true"/"false"
  UInt16 = 0xc5,   // 2 bytes unsigned, most significant first
  UInt16b = 0xc6,  // same
};

// What a byte image is read or written as: a whole variable's syntax or a
// piece syntax.
class ImageSyntax {
 public:
  constexpr ImageSyntax(Syntax whole) : whole_(whole) {}
  constexpr ImageSyntax(PieceSyntax piece) : piece_(piece), isPiece_(true) {}

  constexpr bool IsPiece() const { return isPiece_; }
  constexpr Syntax whole() const { return whole_; }        // when !IsPiece()
  constexpr PieceSyntax piece() const { return piece_; }   // when IsPiece()

  friend constexpr bool operator==(ImageSyntax, ImageSyntax) = default;

 private:
  Syntax whole_{};
  PieceSyntax piece_{};
  bool isPiece_ = false;
};

// Text -> bytes. "(NULL)" gives no bytes. Raises -511 for an unknown syntax.
std::string TextToImage(const std::string& text, ImageSyntax syntax);
// Bytes -> text. No bytes give "(NULL)" (the empty text for display strings
// and variable-length octet strings). Raises -518 when there are fewer bytes
// than the syntax needs, -511 for an unknown syntax.
std::string ImageToText(const std::string& image, ImageSyntax syntax);

// Length of a piece of this syntax; -1 = all remaining bytes. Raises -511.
int PieceLength(ImageSyntax syntax);
// The piece at `offset`. An empty image gives an empty piece; an image too
// short for offset + length raises -519.
std::string CutPiece(const std::string& image, int offset, ImageSyntax syntax);
// Copies `piece` into `image` at `offset`, extending with zero bytes as needed.
void PutPiece(std::string& image, int offset, const std::string& piece);

// Bit n is bit 7 - (n mod 8) of byte n div 8: bit 0 is the most significant
// bit of the first byte (port 1 of a port list).
bool HasBit(const std::string& image, int n);  // the byte exists
bool GetBit(const std::string& image, int n);  // raises -519 when the byte does not exist
void SetBit(std::string& image, int n, bool on);  // extends with zero bytes

// Hexadecimal text of octets: two upper-case digits per byte.
std::string HexText(const std::string& bytes);
// Hexadecimal text read back: spaces skipped, other non-digits count as 0,
// an odd count makes the first digit a byte of its own.
std::string HexBytes(const std::string& text);

// TimeTicks text forms.
std::string TimeTicksText(uint32_t ticks);
uint32_t TimeTicksValue(const std::string& text);

// Date-time as days since 1899-12-30 and its "yyyy/mm/dd hh:nn:ss am/pm" text.
struct DateTimeParts {
  int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0, msec = 0;
};
DateTimeParts DateTimeSplit(double days);
double DateTimeJoin(const DateTimeParts& parts);
std::string DateTimeText(double days);
double DateTimeValue(const std::string& text);  // 0 when the text is no date-time

// SNMPv2 DateAndTime: 11 bytes, year most significant byte first.
struct DateAndTimeParts {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, deci = 0;
  char direction = '+';
  int utcHours = 0, utcMinutes = 0;
};
std::string DateAndTimeText(const DateAndTimeParts& d);
DateAndTimeParts DateAndTimeParse(const std::string& text);
std::string DateAndTimeBytes(const DateAndTimeParts& d);
DateAndTimeParts DateAndTimeFromBytes(const std::string& bytes);  // at least 11 bytes
