#include "snmp/VarList.h"

#include <cctype>
#include <charconv>
#include <map>
#include <memory>

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool EqualsNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

// Whole-text signed 32-bit integer; leading/trailing blanks are not accepted.
bool ParseInt32(const std::string& text, int32_t& out) {
  if (text.empty()) return false;
  const char* first = text.data();
  const char* last = first + text.size();
  if (*first == '+') ++first;
  auto [p, ec] = std::from_chars(first, last, out);
  return ec == std::errc() && p == last && first != last;
}

}  // namespace

// ---------------------------------------------------------------------------
KyOptionList::KyOptionList(int32_t kind, bool caseSensitive) : kind_(kind), caseSensitive_(caseSensitive) {}

KyOptionList::KyOptionList(std::span<const KyOptionPair> table, int32_t kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive) {
  AppendOptions(table);
}

KyOptionList::KyOptionList(const KyOptionTable& table)
    : KyOptionList(table.pairs, table.kind, table.caseSensitive) {}

const KyOptionList* KyOptionList::Global(const KyOptionTable* table) {
  if (table == nullptr) return nullptr;
  static std::map<const KyOptionTable*, std::unique_ptr<KyOptionList>> lists;
  auto& slot = lists[table];
  if (!slot) slot = std::make_unique<KyOptionList>(*table);
  return slot.get();
}

void KyOptionList::AppendOptions(std::span<const KyOptionPair> table) {
  for (const auto& p : table) {
    if (p.label == nullptr) break;  // terminator, when a table carries one
    KyOptionItem item;
    item.value = p.value;
    if (kind_ != 1 && p.text != nullptr) item.text = p.text;
    item.label = p.label;
    items_.push_back(std::move(item));
  }
}

void KyOptionList::AppendOption(int32_t value, const std::string& label) {
  items_.push_back(KyOptionItem{value, {}, label});
}

void KyOptionList::AppendOption(const std::string& text, const std::string& label) {
  items_.push_back(KyOptionItem{0, text, label});
}

bool KyOptionList::LabelEquals(const std::string& a, const std::string& b) const {
  return caseSensitive_ ? a == b : EqualsNoCase(a, b);
}

bool KyOptionList::StartsWith(const std::string& text, const std::string& prefix) const {
  if (text.size() < prefix.size()) return false;
  return LabelEquals(text.substr(0, prefix.size()), prefix);
}

int KyOptionList::IndexOfLabel(const std::string& text) const {
  for (int i = 0; i < Count(); ++i) {
    const auto& label = items_[static_cast<size_t>(i)].label;
    if (kind_ == 3 ? StartsWith(text, label) : LabelEquals(label, text)) return i;
  }
  return -1;
}

int KyOptionList::IndexOfValue(const std::string& text) const {
  if (kind_ == 1) {
    if (text == kNullText) return -1;
    int32_t v = 0;
    if (!ParseInt32(text, v)) return -1;
    for (int i = 0; i < Count(); ++i)
      if (items_[static_cast<size_t>(i)].value == v) return i;
    return -1;
  }
  for (int i = 0; i < Count(); ++i) {
    const auto& value = items_[static_cast<size_t>(i)].text;
    if (kind_ == 2 ? LabelEquals(value, text) : StartsWith(text, value)) return i;
  }
  return -1;
}

std::string KyOptionList::ValueText(int i) const {
  const auto& item = Item(i);
  return kind_ == 1 ? std::to_string(item.value) : item.text;
}

std::string KyOptionList::ValueToLabel(const std::string& text) const {
  int i = IndexOfValue(text);
  if (i < 0) return text;
  const auto& item = Item(i);
  if (kind_ == 3) return item.label + text.substr(item.text.size());
  return item.label;
}

std::string KyOptionList::LabelToValue(const std::string& text) const {
  int i = IndexOfLabel(text);
  if (i < 0) return text;
  const auto& item = Item(i);
  if (kind_ == 1) return std::to_string(item.value);
  if (kind_ == 2) return item.text;
  return item.text + text.substr(item.label.size());
}

// ---------------------------------------------------------------------------
KySNMPVarList::KySNMPVarList(std::span<const KyVarDefRow> table, uint8_t kind_, int32_t keyCount_)
    : keyCount(keyCount_), kind(kind_) {
  Append(table);
}

KySNMPVarList::KySNMPVarList(const KyVarDefTable& table, uint8_t kind_, int32_t keyCount_)
    : KySNMPVarList(table.rows, kind_, keyCount_) {}

KySNMPVarList::KySNMPVarList(const KyVarDefTable& table)
    : KySNMPVarList(table.rows, table.kind, table.keyCount) {}

KySNMPVarList::KySNMPVarList(const KySNMPVarList& other) : index(other.index) { Assign(other); }

KySNMPVarList& KySNMPVarList::operator=(const KySNMPVarList& other) {
  if (this != &other) Assign(other);
  return *this;
}

void KySNMPVarList::Assign(const KySNMPVarList& other) {
  if (this == &other) return;
  kind = other.kind;
  keyCount = other.keyCount;
  name = other.name;
  items = other.items;  // deep copies; option lists stay shared
}

void KySNMPVarList::Append(std::span<const KyVarDefRow> table) {
  size_t n = 0;
  while (n < table.size() && table[n].oid != nullptr) ++n;
  if (n == 0) return;
  items.reserve(items.size() + n);
  for (size_t i = 0; i < n; ++i) {
    const auto& row = table[i];
    KySNMPVarDef item;
    item.oid = row.oid;
    item.label = row.label ? row.label : "";
    item.syntax = row.syntax;
    item.access = row.access;
    item.options = KyOptionList::Global(row.options);
    items.push_back(std::move(item));
  }
}

void KySNMPVarList::AppendItem(const std::string& oid, const std::string& label, Syntax syntax,
                               int32_t access, const KyOptionList* options, const std::string& readExpr,
                               const std::string& writeExpr, const std::string& extraText) {
  KySNMPVarDef item;
  item.oid = oid;
  item.label = label;
  item.syntax = syntax;
  item.access = access;
  item.options = options;
  if (!readExpr.empty()) item.readExpr = readExpr;
  if (!writeExpr.empty()) item.writeExpr = writeExpr;
  if (!extraText.empty()) item.extraText = extraText;
  items.push_back(std::move(item));
}

void KySNMPVarList::AppendIndex(const std::string& text) {
  for (auto& item : items) item.oid += "." + text;
}

bool KySNMPVarList::IsReadable(int i) const {
  return !IsExcluded(i) && (Item(i).access & Access::Read) != 0;
}

bool KySNMPVarList::IsWritable(int i) const {
  if (IsExcluded(i)) return false;
  return (Item(i).access & Access::Write) != 0 || (IsTable() && i < keyCount);
}

bool KySNMPVarList::IsImplied(int i) const { return (Item(i).access & Access::Implied) != 0; }

bool KySNMPVarList::IsVisibleColumn(int i) const {
  const int32_t a = Item(i).access;
  if (IsExcluded(i) || (a & Access::Hidden)) return false;
  return (a & (Access::Key | Access::Read | Access::Display)) != 0;
}

bool KySNMPVarList::IsHiddenColumn(int i) const {
  const int32_t a = Item(i).access;
  return a == Access::Write || IsExcluded(i) || (a & Access::Hidden) != 0;
}

int KySNMPVarList::VisibleColumnCount() const {
  int n = 0;
  for (int i = 0; i < Count(); ++i) n += IsVisibleColumn(i) ? 1 : 0;
  return n;
}

int KySNMPVarList::HiddenColumnCount() const {
  int n = 0;
  for (int i = 0; i < Count(); ++i) n += IsHiddenColumn(i) ? 1 : 0;
  return n;
}
