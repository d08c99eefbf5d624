#pragma once

#include "platform/iconfile/byte_view.h"
#include "platform/iconfile/ico_images.h"

#include <cstdint>
#include <optional>
#include <vector>

// Files that hold numbered icons themselves, told apart by their content, not their name.
enum class IconContainer { None, Pe, Ico };
IconContainer iconContainerOf(ByteView file);

// The images of icon `index` of a PE or .ico file. In a PE file n >= 0 is the n-th icon group
// in directory order and a negative n the group with resource ID -n; an .ico holds index 0
// only. Nothing when the file does not hold that icon.
std::optional<std::vector<IconImage>> iconImagesAt(ByteView file, int32_t index);
