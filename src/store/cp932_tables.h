#pragma once

#include <cstdint>

// The CP932 code tables, written at build time from the build system's iconv, whose mapping
// (including which of several duplicate codes a character gets) is the one Windows uses.
namespace cp932::tables {

constexpr uint16_t NoCode = 0xFFFF; // no byte pair starts with 0xFF, no text uses U+FFFF

// Per byte: its character, or NoCode for a lead byte or a byte that is no character.
extern const uint16_t single[256];
// Per byte pair with a lead byte of 0x80 or more, indexed (lead - 0x80) << 8 | trail.
extern const uint16_t pair[0x8000];
// Per UTF-16 unit: one byte (< 0x100), a byte pair, or NoCode. Only codes that read back as
// the same unit are here, so the table also answers whether a text round-trips.
extern const uint16_t code[0x10000];

} // namespace cp932::tables
