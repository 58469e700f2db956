// The five 16-byte chunks of a packet-content mask or rule: frame bytes 16k
// to 16k + 15, entered as at most 32 hexadecimal digits.
#pragma once

#include <QString>

inline constexpr int kAclChunks = 5;

// "0 to 15", "16 to 31", ... "64 to 79".
inline QString ChunkRange(int k) { return QStringLiteral("%1 to %2").arg(16 * k).arg(16 * k + 15); }
// "Filtered Port(s) [0 to 15]" ...
inline QString ChunkCaption(int k) { return QStringLiteral("Filtered Port(s) [%1]").arg(ChunkRange(k)); }

// At most 32 characters, each 0-9 or A-F (upper case: the dialogs upper-case
// the text first), in whole bytes: an odd count of digits would not say
// which half of a byte it meant.
inline bool IsChunkText(const QString& text) {
  if (text.size() > 32 || text.size() % 2 != 0) return false;
  for (QChar c : text)
    if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
      return false;
  return true;
}
