#include "platform/desktop_platform.h"

// Placeholder until launching lands.
QString DesktopPlatform::findExecutable(const QString&, const QString&) { return {}; }
StartResult DesktopPlatform::startCommandLine(const QString&, const QString&) { return {}; }
