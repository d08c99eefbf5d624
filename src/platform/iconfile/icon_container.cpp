#include "platform/iconfile/icon_container.h"

#include "platform/iconfile/pe_resources.h"

namespace {

const PeResource* groupAt(const PeIconResources& resources, int32_t index)
{
    if (index >= 0) {
        return size_t(index) < resources.groups.size() ? &resources.groups[size_t(index)] : nullptr;
    }
    const int64_t id = -int64_t(index);
    return id <= 0xFFFF ? resources.groupById(uint16_t(id)) : nullptr;
}

} // namespace

IconContainer iconContainerOf(ByteView file)
{
    if (isPeFile(file))
        return IconContainer::Pe;
    if (isIcoFile(file))
        return IconContainer::Ico;
    return IconContainer::None;
}

std::optional<std::vector<IconImage>> iconImagesAt(ByteView file, int32_t index)
{
    switch (iconContainerOf(file)) {
    case IconContainer::Pe: {
        const auto resources = readPeIconResources(file);
        if (!resources)
            return std::nullopt;
        const PeResource* group = groupAt(*resources, index);
        if (!group)
            return std::nullopt;
        return readIconGroup(group->data, *resources);
    }
    case IconContainer::Ico:
        if (index != 0)
            return std::nullopt;
        return readIcoFile(file);
    case IconContainer::None: break;
    }
    return std::nullopt;
}
