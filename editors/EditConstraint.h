// Input constraints of edit boxes: a small format language such as
// "%i{n1x65535l5}" (an integer from 1 to 65535, at most 5 characters) or
// "%s{l32}". An attached constraint removes characters that cannot belong to
// the value while the operator types, and validates the whole value when the
// edit loses the focus, falling back to the last value that passed.
#pragma once

#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editors/UiSupport.h"

class QLineEdit;
class QWidget;

// Flags of the `l` option.
namespace ConstraintFlag {
constexpr uint16_t AutoAdvance = 1;  // `a`: reaching the length moves the focus on
constexpr uint16_t Fixed = 2;        // `f`: the length (or count) must be met exactly
constexpr uint16_t NotEmpty = 4;     // `n`: an empty value is refused
}  // namespace ConstraintFlag

// One attached edit.
struct _EditConstraint_s {
  QLineEdit* edit = nullptr;  // not owned; the lookup key
  char type = 0;              // f, h, i, n, s or u
  char delimiter = 0;         // of an `n` constraint
  double minimum = 0;
  double maximum = 0;
  int32_t length = 0;         // 0 = not given
  int32_t width = 0;          // `w` option; 0 = not given
  uint16_t flags = 0;         // ConstraintFlag bits
  char exitChar = 0;          // 0 = none
  QString lastValid;
  QString previous;           // the text after the last change (typing limit)
  ControlHandler savedChange;
  ControlHandler savedExit;
};

// The constraint set of one form.
class KyEditConstraint {
 public:
  KyEditConstraint(QWidget* form, bool remember);
  ~KyEditConstraint();
  KyEditConstraint(const KyEditConstraint&) = delete;
  KyEditConstraint& operator=(const KyEditConstraint&) = delete;

  // Parses one constraint (raises code -2 with the common message 2 when it
  // is malformed; nothing is attached then) and attaches it to the edit. An
  // edit that already has a constraint gets the new one in its place.
  void AddConstraint(const std::string& spec, QLineEdit* edit);
  // Several constraints written back to back, each starting at a `%`;
  // constraint k goes to edit k. All are parsed before any is attached.
  void AddConstraints(const std::string& specs, const std::vector<QLineEdit*>& edits);
  // Puts the edit's own handlers back and forgets it.
  void RemoveConstraint(QLineEdit* edit);
  void SetForm(QWidget* form);
  QWidget* Form() const { return form_; }
  // The edit's current text becomes its last valid value.
  void StoreValid(QLineEdit* edit);

  const _EditConstraint_s* Find(const QLineEdit* edit) const;
  int Count() const { return static_cast<int>(records_.size()); }

  // Parsing alone: the record without edit and handlers. Raises like AddConstraint.
  static _EditConstraint_s Parse(const std::string& spec);
  // Splits a string of back-to-back constraints before every `%` but the first character.
  static std::vector<std::string> Split(const std::string& specs);
  // The number of constraints in a format: each `%` followed by s, h, i, u, f or n.
  static int CountConstraints(const std::string& format);

  bool remember;

 private:
  _EditConstraint_s* FindRecord(const QLineEdit* edit);
  void Attach(_EditConstraint_s record, QLineEdit* edit);
  void Filter(QLineEdit* edit);
  void Validate(QLineEdit* edit);
  void Refuse(_EditConstraint_s& record, const QString& message);

  QPointer<QWidget> form_;
  std::vector<std::unique_ptr<_EditConstraint_s>> records_;
  // Handlers installed on edits hold this token; they do nothing once the
  // set is gone (the edits may outlive it by a little while their form closes).
  std::shared_ptr<KyEditConstraint*> self_;
};
