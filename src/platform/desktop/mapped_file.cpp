#include "platform/desktop/mapped_file.h"

#include <QFileInfo>

MappedFile::MappedFile(const QString& path)
{
    // Devices and pipes could block or never end; only regular files are read.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly) || file_.size() <= 0)
        return;
    const uchar* data = file_.map(0, file_.size());
    if (data)
        view_ = ByteView(data, size_t(file_.size()));
}
