// The help command: the help file beside the executable, opened with the
// desktop's viewer.
#pragma once

#include <QString>
#include <functional>

class QUrl;
class QWidget;

inline constexpr const char* kHelpFileName = "QRX-700 R2 Oct 08 d 4b velmar.hlp";

// The help file in the folder of the running program.
QString HelpFilePath();

// Opens the help file at its contents. A missing file, or a file that no
// viewer of the desktop takes, is reported in a message box owned by
// `owner`. Returns whether a viewer was started.
bool OpenHelpContents(QWidget* owner);

// The viewer: by default QDesktopServices::openUrl. Tests replace it; an
// empty function restores the default.
using HelpViewer = std::function<bool(const QUrl& url)>;
void SetHelpViewer(HelpViewer viewer);
