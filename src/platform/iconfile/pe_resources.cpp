#include "platform/iconfile/pe_resources.h"

namespace {

constexpr uint32_t RtIcon = 3;
constexpr uint32_t RtGroupIcon = 14;
constexpr uint32_t SubdirectoryBit = 0x80000000u;
constexpr uint32_t NameBit = 0x80000000u;
constexpr uint16_t Pe32Magic = 0x10B;
constexpr uint16_t Pe32PlusMagic = 0x20B;
constexpr uint32_t ResourceDirectoryIndex = 2;

struct Section {
    uint32_t virtualAddress;
    uint32_t virtualSize;
    uint32_t rawSize;
    uint32_t rawOffset;
};

struct PeLayout {
    std::vector<Section> sections;
    uint32_t resourceRva = 0;
    uint32_t resourceSize = 0;
};

std::optional<uint32_t> peHeaderOffset(ByteView file)
{
    if (!file.startsWith("MZ", 2))
        return std::nullopt;
    const auto offset = file.u32(0x3C);
    if (!offset)
        return std::nullopt;
    const auto signature = file.sub(*offset, 4);
    if (!signature || !signature->startsWith("PE\0\0", 4))
        return std::nullopt;
    return offset;
}

std::optional<PeLayout> readLayout(ByteView file)
{
    const auto pe = peHeaderOffset(file);
    if (!pe)
        return std::nullopt;
    const uint64_t coff = uint64_t(*pe) + 4;
    const auto sectionCount = file.u16(coff + 2);
    const auto optionalSize = file.u16(coff + 16);
    const uint64_t optional = coff + 20;
    const auto magic = file.u16(optional);
    if (!sectionCount || !optionalSize || !magic)
        return std::nullopt;
    uint64_t directories = 0;
    if (*magic == Pe32Magic)
        directories = optional + 96;
    else if (*magic == Pe32PlusMagic)
        directories = optional + 112;
    else
        return std::nullopt;
    const auto directoryCount = file.u32(directories - 4);
    if (!directoryCount)
        return std::nullopt;

    PeLayout layout;
    if (*directoryCount > ResourceDirectoryIndex
        && directories + 8 * (ResourceDirectoryIndex + 1) <= optional + *optionalSize) {
        const uint64_t entry = directories + 8 * ResourceDirectoryIndex;
        const auto rva = file.u32(entry);
        const auto size = file.u32(entry + 4);
        if (!rva || !size)
            return std::nullopt;
        layout.resourceRva = *rva;
        layout.resourceSize = *size;
    }
    const uint64_t table = optional + *optionalSize;
    for (uint64_t i = 0; i < *sectionCount; ++i) {
        const auto header = file.sub(table + 40 * i, 40);
        if (!header)
            return std::nullopt;
        layout.sections.push_back(
            {*header->u32(12), *header->u32(8), *header->u32(16), *header->u32(20)});
    }
    return layout;
}

// The file bytes behind [rva, rva + length), which must lie in one section's raw data.
std::optional<ByteView> mapRva(ByteView file, const PeLayout& layout, uint32_t rva, uint64_t length)
{
    for (const Section& s : layout.sections) {
        if (rva < s.virtualAddress)
            continue;
        const uint64_t into = rva - s.virtualAddress;
        if (into >= s.rawSize)
            continue;
        if (length > s.rawSize - into)
            return std::nullopt;
        return file.sub(uint64_t(s.rawOffset) + into, length);
    }
    return std::nullopt;
}

// From rva to the end of its section's raw data: where the resource tree's offsets point.
std::optional<ByteView> mapRvaToSectionEnd(ByteView file, const PeLayout& layout, uint32_t rva)
{
    for (const Section& s : layout.sections) {
        if (rva < s.virtualAddress || rva - s.virtualAddress >= s.rawSize)
            continue;
        const uint64_t into = rva - s.virtualAddress;
        const auto data = file.sub(uint64_t(s.rawOffset) + into, s.rawSize - into);
        if (data)
            return data;
        // A section that claims more raw bytes than the file has: take what is there.
        return file.from(uint64_t(s.rawOffset) + into);
    }
    return std::nullopt;
}

struct DirectoryEntry {
    uint32_t nameOrId;
    uint32_t target;
};

// The entries of the table at offset, every one of them inside the resource bytes.
std::optional<std::vector<DirectoryEntry>> readTable(ByteView tree, uint32_t offset)
{
    const auto named = tree.u16(uint64_t(offset) + 12);
    const auto ids = tree.u16(uint64_t(offset) + 14);
    if (!named || !ids)
        return std::nullopt;
    const uint64_t count = uint64_t(*named) + *ids;
    const auto entries = tree.sub(uint64_t(offset) + 16, 8 * count);
    if (!entries)
        return std::nullopt;
    std::vector<DirectoryEntry> result;
    result.reserve(count);
    for (uint64_t i = 0; i < count; ++i)
        result.push_back({*entries->u32(8 * i), *entries->u32(8 * i + 4)});
    return result;
}

std::optional<std::u16string> readName(ByteView tree, uint32_t offset)
{
    const auto length = tree.u16(offset);
    if (!length)
        return std::nullopt;
    const auto chars = tree.sub(uint64_t(offset) + 2, 2 * uint64_t(*length));
    if (!chars)
        return std::nullopt;
    std::u16string name;
    name.reserve(*length);
    for (uint64_t i = 0; i < *length; ++i)
        name.push_back(char16_t(*chars->u16(2 * i)));
    return name;
}

// The data of the first language below a name entry. The tree has exactly three levels, so
// a subdirectory where data belongs is a loop or a tree nested too deep: no data.
std::optional<ByteView> firstLanguageData(ByteView file, const PeLayout& layout, ByteView tree,
                                          uint32_t nameTarget)
{
    if (!(nameTarget & SubdirectoryBit))
        return std::nullopt;
    // Only the first entry is read: many names sharing one huge language table stay cheap.
    const uint64_t table = nameTarget & ~SubdirectoryBit;
    const auto named = tree.u16(table + 12);
    const auto ids = tree.u16(table + 14);
    const auto dataEntry = tree.u32(table + 16 + 4);
    if (!named || !ids || *named + *ids == 0 || !dataEntry || (*dataEntry & SubdirectoryBit))
        return std::nullopt;
    const auto rva = tree.u32(*dataEntry);
    const auto size = tree.u32(uint64_t(*dataEntry) + 4);
    if (!rva || !size)
        return std::nullopt;
    return mapRva(file, layout, *rva, *size);
}

std::vector<PeResource> readResourcesOfType(ByteView file, const PeLayout& layout, ByteView tree,
                                            uint32_t typeTarget)
{
    std::vector<PeResource> resources;
    if (!(typeTarget & SubdirectoryBit))
        return resources;
    const auto names = readTable(tree, typeTarget & ~SubdirectoryBit);
    if (!names)
        return resources;
    for (const DirectoryEntry& entry : *names) {
        const auto data = firstLanguageData(file, layout, tree, entry.target);
        if (!data)
            continue;
        PeResource resource;
        resource.data = *data;
        if (entry.nameOrId & NameBit) {
            const auto name = readName(tree, entry.nameOrId & ~NameBit);
            if (!name)
                continue;
            resource.name = *name;
        } else {
            resource.id = uint16_t(entry.nameOrId);
        }
        resources.push_back(std::move(resource));
    }
    return resources;
}

const PeResource* findById(const std::vector<PeResource>& resources, uint16_t id)
{
    for (const PeResource& r : resources) {
        if (r.id == id)
            return &r;
    }
    return nullptr;
}

} // namespace

const PeResource* PeIconResources::groupById(uint16_t id) const
{
    return findById(groups, id);
}

const PeResource* PeIconResources::iconById(uint16_t id) const
{
    return findById(icons, id);
}

bool isPeFile(ByteView file)
{
    return peHeaderOffset(file).has_value();
}

std::optional<PeIconResources> readPeIconResources(ByteView file)
{
    const auto layout = readLayout(file);
    if (!layout)
        return std::nullopt;
    PeIconResources result;
    if (layout->resourceRva == 0)
        return result;
    const auto tree = mapRvaToSectionEnd(file, *layout, layout->resourceRva);
    if (!tree)
        return std::nullopt;
    const auto types = readTable(*tree, 0);
    if (!types)
        return std::nullopt;
    bool groupsSeen = false;
    bool iconsSeen = false;
    for (const DirectoryEntry& type : *types) {
        if (type.nameOrId == RtGroupIcon && !groupsSeen) {
            groupsSeen = true;
            result.groups = readResourcesOfType(file, *layout, *tree, type.target);
        } else if (type.nameOrId == RtIcon && !iconsSeen) {
            iconsSeen = true;
            result.icons = readResourcesOfType(file, *layout, *tree, type.target);
        }
    }
    return result;
}
