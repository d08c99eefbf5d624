#pragma once

#include "platform/iconfile/byte_view.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One resource of a PE file: its name or numeric ID and its bytes, first language only.
struct PeResource {
    std::optional<uint16_t> id; // none for a named resource
    std::u16string name;        // only for a named resource
    ByteView data;
};

// The icon resources of a PE32 or PE32+ file, each list in resource-directory order (named
// entries first, then numeric IDs; the format keeps IDs ascending).
struct PeIconResources {
    std::vector<PeResource> groups; // RT_GROUP_ICON
    std::vector<PeResource> icons;  // RT_ICON

    const PeResource* groupById(uint16_t id) const;
    const PeResource* iconById(uint16_t id) const;
};

// True for an MZ header whose e_lfanew points at a PE signature.
bool isPeFile(ByteView file);

// Reads the icon resources; nothing when the file is not PE or its headers are damaged. A
// resource whose entry or data lies outside the file is left out.
std::optional<PeIconResources> readPeIconResources(ByteView file);
