#include "editors/Errors.h"

#include "snmp/Messages.h"

std::string CommonText(int entry) { return CommonMessages.Text(entry); }

std::string KySnmpText(int entry) { return KySnmpMessages.Text(entry); }

void RaiseCommon(int entry) { ThrowKySNMPError(-entry, CommonMessages.Text(entry)); }

void RaiseKySnmp(int code) { ThrowKySNMPError(code); }

void RaiseText(const std::string& text, int code) { throw KySNMPException(text, code); }

std::string ErrorText(const std::exception& e) {
  if (auto* k = dynamic_cast<const KySNMPException*>(&e)) return k->text();
  return e.what();
}

int ErrorCode(const std::exception& e) {
  if (auto* k = dynamic_cast<const KySNMPException*>(&e)) return k->code();
  return -1;
}
