#pragma once

#include <QString>

// The desktop entry of the application that opens documents like fileName (taken relative to
// directory unless it is absolute), as an absolute path; empty when the type is unknown or
// nothing that can be started opens it. The type comes from the name; only a name without
// extension of an existing file is also judged by its content, and a folder is a folder.
QString associatedProgram(const QString& fileName, const QString& directory);
