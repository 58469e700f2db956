#include "app/ConnectHistory.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtGlobal>
#include <cmath>

namespace {

// The file's mark: what it is and the layout of its entries.
constexpr const char* kKindKey = "kind";
constexpr const char* kKind = "qrx900 connect history";
constexpr const char* kFormatKey = "format";
constexpr int kFormat = 1;
constexpr const char* kSwitchesKey = "switches";

// A history is a few hundred bytes a switch: anything far beyond is not one.
constexpr qint64 kMaxFileSize = 1 << 20;

// Why a file is not a history; "" when entries were read.
QString ReadEntries(const QByteArray& bytes, std::vector<ConnectEntry>& out) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError)
    return QString("%1 at byte %2").arg(error.errorString()).arg(error.offset);
  const QJsonObject top = doc.object();
  if (!doc.isObject() || top.value(kKindKey).toString() != kKind) return "it is not a history of this program";
  if (top.value(kFormatKey).toInt(-1) != kFormat)
    return QString("its format %1 is not known").arg(top.value(kFormatKey).toVariant().toString());
  const QJsonValue list = top.value(kSwitchesKey);
  if (!list.isArray()) return "it holds no list of switches";

  auto text = [](const QJsonObject& o, const char* key, QString& to) {
    const QJsonValue v = o.value(key);
    if (v.isUndefined()) return true;  // optional: empty
    if (!v.isString()) return false;
    to = v.toString();
    return true;
  };
  auto number = [](const QJsonObject& o, const char* key, int& to, auto valid) {
    const QJsonValue v = o.value(key);
    if (v.isUndefined()) return true;  // optional: the default
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d < -1e9 || d > 1e9 || d != std::floor(d) || !valid(static_cast<int>(d))) return false;
    to = static_cast<int>(d);
    return true;
  };

  int index = 0;
  for (const QJsonValue& item : list.toArray()) {
    ++index;
    ConnectEntry e;
    const QJsonObject o = item.toObject();
    const bool ok =
        item.isObject() && text(o, "agent", e.agent) && !e.agent.isEmpty() &&
        number(o, "port", e.port, [](int n) { return n >= 1 && n <= 65535; }) &&
        number(o, "version", e.version, [](int n) { return IsConnectChoice(kConnectVersions, n); }) &&
        text(o, "userName", e.userName) &&
        number(o, "securityLevel", e.securityLevel,
               [](int n) { return IsConnectChoice(kConnectSecurityLevels, n); }) &&
        number(o, "authProtocol", e.authProtocol, [](int n) { return IsConnectChoice(kConnectAuthProtocols, n); }) &&
        number(o, "privProtocol", e.privProtocol, [](int n) { return IsConnectChoice(kConnectPrivProtocols, n); }) &&
        text(o, "contextName", e.contextName) && text(o, "contextEngineId", e.contextEngineId);
    if (!ok) return QString("switch %1 of the list is not readable").arg(index);
    // A switch twice, or beyond ten: the first ones count.
    bool known = false;
    for (const ConnectEntry& k : out) known = known || k.SameSwitch(e);
    if (!known && static_cast<int>(out.size()) < ConnectHistory::kMaxEntries) out.push_back(e);
  }
  return {};
}

QJsonObject EntryObject(const ConnectEntry& e) {
  QJsonObject o{{"agent", e.agent}, {"port", e.port}, {"version", e.version}};
  if (e.version == 3) {
    o.insert("userName", e.userName);
    o.insert("securityLevel", e.securityLevel);
    o.insert("authProtocol", e.authProtocol);
    o.insert("privProtocol", e.privProtocol);
    o.insert("contextName", e.contextName);
    o.insert("contextEngineId", e.contextEngineId);
  }
  return o;
}

}  // namespace

bool ConnectEntry::SameSwitch(const ConnectEntry& other) const {
  return agent.compare(other.agent, Qt::CaseInsensitive) == 0 && port == other.port;
}

QString ConnectEntry::Label() const { return port == 161 ? agent : QString("%1:%2").arg(agent).arg(port); }

QString ConnectHistory::DefaultPath() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return config.isEmpty() ? QString() : config + "/qrx900/connect-history.json";
}

ConnectHistory::ConnectHistory(QString path) : path_(std::move(path)) { Load(); }

void ConnectHistory::Load() {
  entries_.clear();
  warning_.clear();
  writable_ = !path_.isEmpty();
  if (path_.isEmpty()) {
    warning_ = "No configuration folder is known: recent switches are not remembered.";
    return;
  }
  QFile file(path_);
  if (!file.exists()) return;
  if (!file.open(QIODevice::ReadOnly)) {
    writable_ = false;
    warning_ = QString("The history of recent switches \"%1\" cannot be read (%2); it is left as it is.")
                   .arg(QDir::toNativeSeparators(path_), file.errorString());
    return;
  }
  QString why;
  if (file.size() > kMaxFileSize) {
    why = QString("it is %1 bytes long").arg(file.size());
  } else {
    why = ReadEntries(file.readAll(), entries_);
  }
  file.close();
  if (why.isEmpty()) return;

  entries_.clear();
  const QString aside = AsideName();
  if (QFile::rename(path_, aside)) {
    warning_ = QString("The history of recent switches \"%1\" was damaged (%2). It was set aside as \"%3\" "
                       "and a new one is started.")
                   .arg(QDir::toNativeSeparators(path_), why, QDir::toNativeSeparators(aside));
  } else {
    writable_ = false;
    warning_ = QString("The history of recent switches \"%1\" was damaged (%2) and could not be set aside; "
                       "it is left as it is and nothing is remembered.")
                   .arg(QDir::toNativeSeparators(path_), why);
  }
}

QString ConnectHistory::AsideName() const {
  const QString stem = path_ + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss");
  QString name = stem;
  for (int n = 2; QFileInfo::exists(name); ++n) name = QString("%1-%2").arg(stem).arg(n);
  return name;
}

bool ConnectHistory::Use(const ConnectEntry& entry) {
  std::erase_if(entries_, [&](const ConnectEntry& e) { return e.SameSwitch(entry); });
  entries_.insert(entries_.begin(), entry);
  if (static_cast<int>(entries_.size()) > kMaxEntries) entries_.resize(kMaxEntries);
  return Save();
}

bool ConnectHistory::Forget(const ConnectEntry& entry) {
  if (std::erase_if(entries_, [&](const ConnectEntry& e) { return e.SameSwitch(entry); }) == 0) return false;
  return Save();
}

bool ConnectHistory::Save() {
  if (!writable_) return false;
  QJsonArray list;
  for (const ConnectEntry& e : entries_) list.append(EntryObject(e));
  const QJsonObject top{{kKindKey, kKind}, {kFormatKey, kFormat}, {kSwitchesKey, list}};

  QDir().mkpath(QFileInfo(path_).absolutePath());
  QSaveFile file(path_);
  if (file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(top).toJson(QJsonDocument::Indented)) >= 0 &&
      file.commit())
    return true;
  warning_ = QString("The history of recent switches cannot be written to \"%1\" (%2).")
                 .arg(QDir::toNativeSeparators(path_), file.errorString());
  return false;
}
