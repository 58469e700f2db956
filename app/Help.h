// The help command: the host suite's WinHelp file beside the executable when
// the desktop can show it, else the operator's guide that comes with the
// program; either is opened with the desktop's viewer.
#pragma once

#include <QString>
#include <functional>

class QUrl;
class QWidget;

inline constexpr const char* kHelpFileName = "QRX-700 R2 Oct 08 d 4b velmar.hlp";
// The operator's guide, relative to the program's folder: the same from the
// build folder (build/app -> build/share) and from an installation
// (/usr/bin -> /usr/share).
inline constexpr const char* kGuideRelativePath = "../share/qrx900/guide/guide.html";

// The help file in the folder of the running program.
QString HelpFilePath();
// The operator's guide of the running program (cleaned, absolute).
QString GuideFilePath();

// Opens the help file at its contents when it exists and the desktop has a
// viewer for it, the operator's guide otherwise. A guide that is missing
// or that no viewer takes is reported in a message box owned by `owner`.
// Returns whether a viewer was started.
bool OpenHelpContents(QWidget* owner);

// The viewer: by default QDesktopServices::openUrl. Tests replace it; an
// empty function restores the default.
using HelpViewer = std::function<bool(const QUrl& url)>;
void SetHelpViewer(HelpViewer viewer);

// Whether the desktop has a viewer set up for the file's type: by default
// the desktop's default application for its MIME type (xdg-mime). Tests
// replace it; an empty function restores the default.
using HelpViewerCheck = std::function<bool(const QString& path)>;
void SetHelpViewerCheck(HelpViewerCheck check);
