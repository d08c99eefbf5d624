#include "platform/desktop_platform.h"

// Placeholder until the properties dialog lands.
std::optional<FileChoice> DesktopPlatform::openFile(const QString&) { return std::nullopt; }
std::optional<int32_t> DesktopPlatform::chooseColor() { return std::nullopt; }
