#pragma once

#include "platform/iconfile/byte_view.h"

#include <QFile>
#include <QString>

// A regular file mapped read-only for as long as this object lives; every read of it goes
// through the size-checked view. Empty view when the file is missing, empty or unreadable.
class MappedFile {
public:
    explicit MappedFile(const QString& path);
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    ByteView view() const { return view_; }
    bool isOpen() const { return view_.size() > 0; }

private:
    QFile file_;
    ByteView view_;
};
