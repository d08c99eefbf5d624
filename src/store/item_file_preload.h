#pragma once

#include "store/item_file.h"

#include <QString>

#include <optional>
#include <thread>

// Reads the data file of a folder on a second thread while start-up goes on building the
// window; the next LoadItemFile of that folder, on the thread that made this, takes what it
// read. At most one lives at a time.
class ItemFilePreload {
public:
    explicit ItemFilePreload(const QString& folder);
    ~ItemFilePreload();
    ItemFilePreload(const ItemFilePreload&) = delete;
    ItemFilePreload& operator=(const ItemFilePreload&) = delete;

    // What the living preload read of the file at path, once it is done; nothing when there is
    // no preload, it read another file, or it was taken already.
    static std::optional<ReadItemFile> take(const QString& path);

private:
    const QString path_;
    std::optional<ReadItemFile> read_;
    std::thread thread_;
};
