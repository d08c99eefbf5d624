#include "store/item_file_preload.h"

#include "store/item_file.h"

namespace {
ItemFilePreload* living = nullptr;
}

ItemFilePreload::ItemFilePreload(const QString& folder) : path_(dataFilePath(folder))
{
    if (living)
        return;
    living = this;
    thread_ = std::thread([this] { read_ = readItemFile(path_); });
}

ItemFilePreload::~ItemFilePreload()
{
    if (thread_.joinable())
        thread_.join();
    if (living == this)
        living = nullptr;
}

std::optional<ReadItemFile> ItemFilePreload::take(const QString& path)
{
    if (!living || living->path_ != path)
        return std::nullopt;
    ItemFilePreload& preload = *living;
    living = nullptr;
    preload.thread_.join();
    return std::move(preload.read_);
}
