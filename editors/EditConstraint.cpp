#include "editors/EditConstraint.h"

#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "editors/Errors.h"

namespace {

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool IsHexDigit(QChar c) {
  return IsDigit(c) || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool IsPlaceholder(const QString& text) {
  return text == QLatin1String("(NOTDONE)") || text == QLatin1String("(NULL)");
}

[[noreturn]] void Malformed() { RaiseCommon(2); }

// The shortest decimal text that reads back as the same double.
QString ShortestText(double v) {
  char buf[64];
  auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v);
  if (ec != std::errc()) return QString::number(v);
  return QString::fromLatin1(buf, static_cast<int>(p - buf));
}

// A whole text read as a decimal number; false when it is not one.
bool ReadNumber(const QString& text, double& out) {
  QByteArray bytes = text.trimmed().toLatin1();
  if (bytes.isEmpty()) return false;
  const char* first = bytes.constData();
  char* end = nullptr;
  out = std::strtod(first, &end);
  return end == first + bytes.size() && std::isfinite(out);
}

uint32_t ToUInt32(double v) {
  if (!(v > 0)) return 0;
  if (v >= 4294967295.0) return 4294967295u;
  return static_cast<uint32_t>(v);
}

// Delimited unsigned numbers: empty text gives none; each delimiter starts the
// next number; others are ignored. A number too large for 32 bits stays above
// every 32-bit bound instead of wrapping round into the range.
constexpr uint64_t kBeyond32Bits = 0x100000000ull;
std::vector<uint64_t> ReadNumList(const QString& text, QChar delimiter) {
  std::vector<uint64_t> items;
  if (text.isEmpty()) return items;
  items.push_back(0);
  for (QChar c : text) {
    if (c == delimiter) {
      items.push_back(0);
    } else if (IsDigit(c)) {
      items.back() = std::min(items.back() * 10u + static_cast<uint64_t>(c.unicode() - '0'), kBeyond32Bits);
    }
  }
  return items;
}

QString Fill(int entry, std::initializer_list<std::pair<const char*, QString>> values) {
  QString text = QString::fromStdString(CommonText(entry));
  for (const auto& [placeholder, value] : values) text.replace(QLatin1String(placeholder), value);
  return text;
}

}  // namespace

// ---------------------------------------------------------------------------
KyEditConstraint::KyEditConstraint(QWidget* form, bool remember_)
    : remember(remember_), form_(form), self_(std::make_shared<KyEditConstraint*>(this)) {}

KyEditConstraint::~KyEditConstraint() { *self_ = nullptr; }

void KyEditConstraint::SetForm(QWidget* form) { form_ = form; }

_EditConstraint_s KyEditConstraint::Parse(const std::string& spec) {
  _EditConstraint_s r;
  if (spec.size() < 2 || spec[0] != '%') Malformed();
  r.type = spec[1];
  size_t pos = 2;
  switch (r.type) {
    case 'i':
      r.minimum = -2147483648.0;
      r.maximum = 2147483647.0;
      break;
    case 'u':
      r.minimum = 0;
      r.maximum = 4294967295.0;
      break;
    case 'f':
      r.minimum = -DBL_MAX;
      r.maximum = DBL_MAX;
      break;
    case 'h':
    case 's':
      break;
    case 'n':
      if (spec.size() < 3) Malformed();
      r.delimiter = spec[2];
      r.minimum = 0;
      r.maximum = 4294967295.0;
      pos = 3;
      break;
    default:
      Malformed();
  }
  if (pos == spec.size()) return r;
  if (spec[pos] != '{' || spec.back() != '}' || spec.size() < pos + 2) Malformed();
  const size_t close = spec.size() - 1;
  size_t i = pos + 1;
  auto run = [&](auto allowed) {
    size_t start = i;
    while (i < close && allowed(spec[i])) ++i;
    if (i == start) Malformed();
    return spec.substr(start, i - start);
  };
  auto numberChar = [](char c) { return (c >= '0' && c <= '9') || c == '-' || c == '.'; };
  auto digitChar = [](char c) { return c >= '0' && c <= '9'; };
  auto number = [&](const std::string& text) {
    char* end = nullptr;
    double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(v)) Malformed();
    return v;
  };
  auto integer = [&](const std::string& text) {
    int32_t v = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || p != text.data() + text.size()) Malformed();
    return v;
  };
  while (i < close) {
    char option = spec[i++];
    switch (option) {
      case 'n':
        r.minimum = number(run(numberChar));
        break;
      case 'x':
        r.maximum = number(run(numberChar));
        break;
      case 'l': {
        r.length = integer(run(digitChar));
        for (int k = 0; k < 3 && i < close; ++k) {
          char f = spec[i];
          if (f == 'a') r.flags |= ConstraintFlag::AutoAdvance;
          else if (f == 'f') r.flags |= ConstraintFlag::Fixed;
          else if (f == 'n') r.flags |= ConstraintFlag::NotEmpty;
          else break;
          ++i;
        }
        break;
      }
      case 'w':
        r.width = integer(run(digitChar));
        break;
      case 'e':
        if (i >= close) Malformed();
        r.exitChar = spec[i++];
        break;
      default:
        Malformed();
    }
  }
  return r;
}

std::vector<std::string> KyEditConstraint::Split(const std::string& specs) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t i = 1; i < specs.size(); ++i) {
    if (specs[i] == '%') {
      parts.push_back(specs.substr(start, i - start));
      start = i;
    }
  }
  if (!specs.empty()) parts.push_back(specs.substr(start));
  return parts;
}

int KyEditConstraint::CountConstraints(const std::string& format) {
  int n = 0;
  for (size_t i = 0; i + 1 < format.size(); ++i) {
    if (format[i] != '%') continue;
    char t = format[i + 1];
    if (t == 's' || t == 'h' || t == 'i' || t == 'u' || t == 'f' || t == 'n') ++n;
  }
  return n;
}

void KyEditConstraint::AddConstraint(const std::string& spec, QLineEdit* edit) {
  _EditConstraint_s record = Parse(spec);
  if (edit == nullptr) return;
  Attach(std::move(record), edit);
}

void KyEditConstraint::AddConstraints(const std::string& specs, const std::vector<QLineEdit*>& edits) {
  std::vector<_EditConstraint_s> parsed;
  for (const auto& spec : Split(specs)) parsed.push_back(Parse(spec));
  for (size_t k = 0; k < parsed.size() && k < edits.size(); ++k) {
    if (edits[k] != nullptr) Attach(std::move(parsed[k]), edits[k]);
  }
}

void KyEditConstraint::Attach(_EditConstraint_s record, QLineEdit* edit) {
  RemoveConstraint(edit);
  record.edit = edit;
  record.savedChange = ChangeHandler(edit);
  record.savedExit = ExitHandler(edit);
  record.previous = edit->text();
  if (record.width > 0) edit->resize(record.width, edit->height());
  // The length limits what the operator types (see Filter); text written by
  // the program is never cut, so placeholders such as "(NULL)" stay whole.
  std::weak_ptr<KyEditConstraint*> token = self_;
  SetChangeHandler(edit, [token](QWidget* sender) {
    auto owner = token.lock();
    if (owner && *owner) (*owner)->Filter(static_cast<QLineEdit*>(sender));
  });
  SetExitHandler(edit, [token](QWidget* sender) {
    auto owner = token.lock();
    if (owner && *owner) (*owner)->Validate(static_cast<QLineEdit*>(sender));
  });
  records_.push_back(std::make_unique<_EditConstraint_s>(std::move(record)));
}

void KyEditConstraint::RemoveConstraint(QLineEdit* edit) {
  auto it = std::find_if(records_.begin(), records_.end(), [&](const auto& r) { return r->edit == edit; });
  if (it == records_.end()) return;
  SetChangeHandler(edit, (*it)->savedChange);
  SetExitHandler(edit, (*it)->savedExit);
  records_.erase(it);
}

void KyEditConstraint::StoreValid(QLineEdit* edit) {
  if (auto* r = FindRecord(edit)) r->lastValid = edit->text();
}

const _EditConstraint_s* KyEditConstraint::Find(const QLineEdit* edit) const {
  for (const auto& r : records_)
    if (r->edit == edit) return r.get();
  return nullptr;
}

_EditConstraint_s* KyEditConstraint::FindRecord(const QLineEdit* edit) {
  return const_cast<_EditConstraint_s*>(Find(edit));
}

// ---------------------------------------------------------------------------
void KyEditConstraint::Filter(QLineEdit* edit) {
  _EditConstraint_s* r = FindRecord(edit);
  if (r == nullptr) return;
  // Maximum input length: what the operator typed or pasted beyond it is cut
  // off. For delimited numbers the length is a count of numbers, not of
  // characters, so it does not limit the input.
  // Only what was put in is cut, where it was put in; deleting from a longer
  // text written by the program ("(NULL)") stays possible.
  if (r->length > 0 && r->type != 'n' && edit->isModified() && edit->text().size() > r->length &&
      edit->text().size() > r->previous.size()) {
    const QString now = edit->text();
    const QString& before = r->previous;
    qsizetype prefix = 0;
    while (prefix < before.size() && now[prefix] == before[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && now[now.size() - 1 - suffix] == before[before.size() - 1 - suffix])
      ++suffix;
    const qsizetype kept = before.size() - (before.size() - prefix - suffix);  // what the insertion left standing
    const qsizetype room = std::max<qsizetype>(0, r->length - kept);
    const QString inserted = now.mid(prefix, now.size() - prefix - suffix).left(room);
    const QString fitted = room > 0 ? now.left(prefix) + inserted + now.right(suffix) : before;
    edit->setText(fitted);  // runs the filter again
    edit->setCursorPosition(static_cast<int>(room > 0 ? prefix + inserted.size() : prefix));
    return;
  }
  r->previous = edit->text();
  const QString text = edit->text();
  if (text.isEmpty() || IsPlaceholder(text)) return;

  if (r->exitChar != 0) {
    int at = text.indexOf(QLatin1Char(r->exitChar));
    if (at >= 0) {
      QString cut = text;
      cut.remove(at, 1);
      edit->setText(cut);
      PostFocusNext(form_ ? form_.data() : edit->window());
      return;
    }
  }

  int bad = -1;
  const QChar delimiter = QLatin1Char(r->delimiter);
  bool seenDot = false;
  for (int k = 0; k < text.size() && bad < 0; ++k) {
    const QChar c = text[k];
    bool ok = true;
    switch (r->type) {
      case 'i':
        ok = IsDigit(c) || (c == QLatin1Char('-') && k == 0);
        break;
      case 'u':
        ok = IsDigit(c);
        break;
      case 'f':
        if (c == QLatin1Char('.')) {
          ok = !seenDot;
          seenDot = true;
        } else {
          ok = IsDigit(c) || (c == QLatin1Char('-') && k == 0);
        }
        break;
      case 'h':
        ok = IsHexDigit(c);
        break;
      case 'n':
        if (c == delimiter) ok = k > 0 && text[k - 1] != delimiter;
        else ok = IsDigit(c);
        break;
      default:  // 's'
        break;
    }
    if (!ok) bad = k;
  }
  if (bad >= 0) {
    QString cut = text;
    cut.remove(bad, 1);
    edit->setText(cut);  // runs the filter again on the shorter text
    edit->setCursorPosition(std::min(bad, static_cast<int>(edit->text().size())));
    Beep();
    return;
  }

  if (r->savedChange) {
    ControlHandler own = r->savedChange;
    own(edit);
    if (ControlTag(edit) == -1) return;
    r = FindRecord(edit);  // the handler may have removed the constraint
    if (r == nullptr) return;
  }
  if ((r->flags & ConstraintFlag::AutoAdvance) && r->length > 0 && edit->text().size() == r->length)
    PostFocusNext(form_ ? form_.data() : edit->window());
}

void KyEditConstraint::Refuse(_EditConstraint_s& record, const QString& message) {
  QLineEdit* edit = record.edit;
  QPointer<QLineEdit> guard(edit);
  ShowMessageBox(form_ ? form_.data() : edit->window(), message, ProgramCaption(), QMessageBox::Ok);
  if (!guard) return;
  const _EditConstraint_s* r = Find(edit);
  edit->setText(r ? r->lastValid : QString());
  // Take the focus back once the focus change in progress is over.
  QMetaObject::invokeMethod(
      edit, [guard] { if (guard) guard->setFocus(Qt::OtherFocusReason); }, Qt::QueuedConnection);
}

void KyEditConstraint::Validate(QLineEdit* edit) {
  const QString text = edit->text();
  _EditConstraint_s* r = FindRecord(edit);
  if (r == nullptr || IsPlaceholder(text)) return;

  if (text.isEmpty()) {
    if (r->flags & ConstraintFlag::NotEmpty) Refuse(*r, QString::fromStdString(CommonText(3)));
    return;
  }

  switch (r->type) {
    case 'f':
    case 'i':
    case 'u': {
      double v = 0;
      // A text that is no number at all ("-") is refused like one out of range.
      if (!ReadNumber(text, v) || v < r->minimum || v > r->maximum) {
        Refuse(*r, Fill(8, {{"[MIN]", ShortestText(r->minimum)}, {"[MAX]", ShortestText(r->maximum)}}));
        return;
      }
      break;
    }
    case 'h':
    case 's':
      if (r->length > 0) {
        const QString len = QString::number(r->length);
        if (r->flags & ConstraintFlag::Fixed) {
          if (text.size() != r->length) {
            Refuse(*r, Fill(r->type == 's' ? 5 : 7, {{"[LEN]", len}}));
            return;
          }
        } else if (text.size() > r->length) {
          Refuse(*r, Fill(r->type == 's' ? 4 : 6, {{"[MAXLEN]", len}}));
          return;
        }
      }
      break;
    case 'n': {
      const QString delimiter = QString(QLatin1Char(r->delimiter));
      const auto numbers = ReadNumList(text, QLatin1Char(r->delimiter));
      const int count = static_cast<int>(numbers.size());
      if (r->length > 0) {
        const QString len = QString::number(r->length);
        if (r->flags & ConstraintFlag::Fixed) {
          if (count != r->length) {
            Refuse(*r, Fill(10, {{"[DELIMITER]", delimiter}, {"[COUNT]", len}}));
            return;
          }
        } else if (count > r->length) {
          Refuse(*r, Fill(9, {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", len}}));
          return;
        }
      }
      const uint32_t lo = ToUInt32(r->minimum), hi = ToUInt32(r->maximum);
      for (uint64_t n : numbers) {
        if (n < lo || n > hi) {
          Refuse(*r, Fill(11, {{"[DELIMITER]", delimiter},
                               {"[MIN]", QString::number(lo)},
                               {"[MAX]", QString::number(hi)}}));
          return;
        }
      }
      break;
    }
    default:
      break;
  }

  if (r->savedExit) {
    ControlHandler own = r->savedExit;
    own(edit);
    r = FindRecord(edit);
    if (r == nullptr) return;
    if (ControlTag(edit) == -1) {
      edit->setText(r->lastValid);
      return;
    }
  }
  if (remember) r->lastValid = edit->text();
}
