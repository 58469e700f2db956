#include "app/Help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "editors/UiSupport.h"

namespace {

HelpViewer& Viewer() {
  static HelpViewer viewer;
  return viewer;
}

}  // namespace

QString HelpFilePath() {
  QString dir = QCoreApplication::applicationDirPath();
  if (!dir.endsWith('/')) dir += '/';
  return dir + kHelpFileName;
}

void SetHelpViewer(HelpViewer viewer) { Viewer() = std::move(viewer); }

bool OpenHelpContents(QWidget* owner) {
  const QString path = HelpFilePath();
  // The desktop's viewers say nothing visible about a file that is not
  // there, so the program says it.
  if (!QFileInfo(path).isFile()) {
    ShowMessageBox(owner, QString("Cannot find the help file \"%1\".").arg(QDir::toNativeSeparators(path)), "Help",
                   QMessageBox::Ok, QMessageBox::Warning);
    return false;
  }
  const QUrl url = QUrl::fromLocalFile(path);
  const bool opened = Viewer() ? Viewer()(url) : QDesktopServices::openUrl(url);
  if (!opened)
    ShowMessageBox(owner,
                   QString("No help viewer is set up on this desktop for \"%1\".").arg(QDir::toNativeSeparators(path)),
                   "Help", QMessageBox::Ok, QMessageBox::Warning);
  return opened;
}
