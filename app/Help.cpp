#include "app/Help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QUrl>

#include "editors/UiSupport.h"

namespace {

HelpViewer& Viewer() {
  static HelpViewer viewer;
  return viewer;
}

HelpViewerCheck& ViewerCheck() {
  static HelpViewerCheck check;
  return check;
}

// xdg-open hands a file of a type without a default application to some
// fallback (a browser, a text editor) or to nothing, and says so nowhere:
// ask for the default application of the type instead.
bool DesktopHasViewerFor(const QString& path) {
  const QString type = QMimeDatabase().mimeTypeForFile(path).name();
  QProcess query;
  query.start("xdg-mime", {"query", "default", type});
  if (!query.waitForFinished(3000)) {
    query.kill();
    query.waitForFinished(1000);
    return false;
  }
  return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
         !query.readAllStandardOutput().trimmed().isEmpty();
}

bool Open(const QString& path) {
  const QUrl url = QUrl::fromLocalFile(path);
  return Viewer() ? Viewer()(url) : QDesktopServices::openUrl(url);
}

}  // namespace

QString HelpFilePath() {
  QString dir = QCoreApplication::applicationDirPath();
  if (!dir.endsWith('/')) dir += '/';
  return dir + kHelpFileName;
}

QString GuideFilePath() {
  return QDir::cleanPath(QCoreApplication::applicationDirPath() + '/' + kGuideRelativePath);
}

void SetHelpViewer(HelpViewer viewer) { Viewer() = std::move(viewer); }

void SetHelpViewerCheck(HelpViewerCheck check) { ViewerCheck() = std::move(check); }

bool OpenHelpContents(QWidget* owner) {
  const QString help = HelpFilePath();
  if (QFileInfo(help).isFile()) {
    const bool viewable = ViewerCheck() ? ViewerCheck()(help) : DesktopHasViewerFor(help);
    if (viewable && Open(help)) return true;
  }
  const QString guide = GuideFilePath();
  // The desktop's viewers say nothing visible about a file that is not
  // there, so the program says it.
  if (!QFileInfo(guide).isFile()) {
    ShowMessageBox(owner, QString("Cannot find the help file \"%1\".").arg(QDir::toNativeSeparators(guide)), "Help",
                   QMessageBox::Ok, QMessageBox::Warning);
    return false;
  }
  if (!Open(guide)) {
    ShowMessageBox(owner,
                   QString("No help viewer is set up on this desktop for \"%1\".").arg(QDir::toNativeSeparators(guide)),
                   "Help", QMessageBox::Ok, QMessageBox::Warning);
    return false;
  }
  return true;
}
