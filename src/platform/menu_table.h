#pragma once

#include "platform/platform.h"

#include <cstddef>
#include <vector>

// A popup menu written as a table of rows, top to bottom. A row has a name, a caption (UTF-8)
// and the handler of its owner that the entry runs; a separator row has the caption "-", no
// name and no handler.
template <typename Owner>
struct MenuRow {
    const char* name;
    const char* caption;
    void (Owner::*handler)();
};

// The entries the popup shows; isEnabled(row) tells whether a row can be chosen.
template <typename Row, std::size_t N, typename IsEnabled>
std::vector<MenuEntry> menuEntries(const Row (&rows)[N], IsEnabled isEnabled)
{
    std::vector<MenuEntry> entries;
    entries.reserve(N);
    for (const Row& row : rows) {
        entries.push_back({row.name ? QString::fromLatin1(row.name) : QString(),
                           QString::fromUtf8(row.caption), isEnabled(row)});
    }
    return entries;
}

// Runs the handler of the row named `chosen`; no choice (an empty name) runs nothing.
template <typename Row, std::size_t N, typename Owner>
void runMenuChoice(const Row (&rows)[N], Owner& owner, const QString& chosen)
{
    if (chosen.isEmpty())
        return;
    for (const Row& row : rows) {
        if (row.name && chosen == QLatin1String(row.name)) {
            (owner.*row.handler)();
            return;
        }
    }
}
