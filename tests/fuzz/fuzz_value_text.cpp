// Arbitrary value texts through LoadValue for every syntax, and arbitrary
// received octets through StoreValue. A text is either refused with the
// layer's exception or coded; what is coded reads back to a text that codes
// to the very same binding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "snmp/Messages.h"
#include "snmp/Value.h"

namespace {

// Every code in the order of their numbers, then two numbers that are no code
// (an input byte picks one).
const Syntax kSyntaxes[] = {
    Syntax::Boolean,    Syntax::Integer,     Syntax::Bits,      Syntax::OctetString,   Syntax::Null,
    Syntax::ObjectId,   Syntax::IpAddress,   Syntax::Counter32, Syntax::Gauge32,       Syntax::TimeTicks,
    Syntax::Opaque,     Syntax::Address,     Syntax::Counter64, Syntax::UInteger32,    Syntax::Real,
    Syntax::MacAddress, Syntax::DateAndTime, Syntax::DateTime,  Syntax::DisplayString, Syntax::Ipv6Address,
    static_cast<Syntax>(0x07), static_cast<Syntax>(0xc1)};

bool SameValue(const KyVb& a, const KyVb& b) {
  return a.type == b.type && a.integer == b.integer && a.uinteger == b.uinteger && a.octets == b.octets &&
         a.objectId == b.objectId;
}

// Loads the item's text; false when it is refused. Any other failure aborts.
bool TryLoad(const KySNMPVarDef& item, KyVb& vb) {
  try {
    LoadValue(item, vb);
    return true;
  } catch (const KySNMPException& e) {
    if (e.code() != KyErr::BadAssocValue && e.code() != KyErr::BadSyntax) std::abort();
    if (e.code() == KyErr::BadSyntax && IsSupportedSyntax(item.syntax)) std::abort();
    return false;
  }
}

bool TryStore(KySNMPVarDef& item, const KyVb& vb) {
  try {
    StoreValue(item, vb);
    return true;
  } catch (const KySNMPException& e) {
    // Only a value of another type than the syntax, or a syntax the layer
    // does not know, is refused.
    if (e.code() != KyErr::BadSyntax || (IsSupportedSyntax(item.syntax) && TypeFitsSyntax(item.syntax, vb)))
      std::abort();
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const Syntax syntax = kSyntaxes[data[0] % (sizeof kSyntaxes / sizeof kSyntaxes[0])];
  const bool asOctets = (data[0] & 0x80) != 0;
  const std::string payload(reinterpret_cast<const char*>(data + 1), size - 1);

  KySNMPVarDef item;
  item.oid = "1.3.6.1.4.1.32473.1";
  item.label = "Fuzz";
  item.syntax = syntax;

  if (asOctets) {
    // Received octets (and the same bytes as an INTEGER and an OID, wrong types).
    KyVb vb;
    vb.SetOctets(KyVbType::OctetString, payload);
    if (!TryStore(item, vb)) return 0;
    const std::string text = item.value;
    KyVb sent;
    if (TryLoad(item, sent)) {
      // Octet syntaxes send back exactly what arrived. The one exception is a
      // DisplayString whose bytes are the no-value placeholder itself: that
      // text is sent as NULL whatever the syntax.
      const bool placeholder = syntax == Syntax::DisplayString && payload == kNullText;
      if (!placeholder &&
          (syntax == Syntax::Bits || syntax == Syntax::OctetString || syntax == Syntax::Opaque ||
           syntax == Syntax::MacAddress || syntax == Syntax::DisplayString || syntax == Syntax::Ipv6Address) &&
          sent.octets != payload)
        std::abort();
    }
    KyVb other;
    other.SetInteger(static_cast<int64_t>(payload.size()) - 3);
    TryStore(item, other);
    other.SetObjectId(KyOid(payload.begin(), payload.end()));
    TryStore(item, other);
    return 0;
  }

  // A typed text.
  item.value = payload;
  KyVb first;
  if (!TryLoad(item, first)) return 0;
  if (first.type == KyVbType::Null) return 0;
  // Read it back as if the agent had returned it, and send it again.
  KySNMPVarDef back = item;
  if (!TryStore(back, first)) std::abort();
  KyVb second;
  if (!TryLoad(back, second)) std::abort();  // our own text must always be accepted
  if (syntax == Syntax::DateTime) {
    // Shown to the second: the text is stable from the second round on.
    KySNMPVarDef again = back;
    if (!TryStore(again, second) || again.value != back.value) std::abort();
    return 0;
  }
  if (!SameValue(first, second)) std::abort();
  return 0;
}
