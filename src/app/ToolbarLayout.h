#pragma once

#include "commands/CenterIndex.h"

#include <vector>

// Commands used now and then, gathered behind one drop-down button so that a toolbar
// fits its window. The button stands where the group's first command would.
struct ToolbarGroup
{
    const char* title = "";
    const char* icon = "";
    std::vector<int> commands;
};

// The buttons of one toolbar, in order; kSeparator between groups.
struct ToolbarLayout
{
    static constexpr int kSeparator = 0;

    int resourceId = 0;
    const char* title = "";
    std::vector<int> commands;
    bool textBesideIcon = false;   // short toolbars of the record centers carry words too
    std::vector<ToolbarGroup> groups{};

    // The drop-down group a command sits in, or nullptr for a button of its own.
    const ToolbarGroup* GroupOf(int id) const;
};

// The main frame's toolbar of the centers.
const ToolbarLayout& CenterToolbarLayout();

// The center container's toolbars, in the order they are created.
const std::vector<ToolbarLayout>& ContainerToolbarLayouts();

// The resource ids of the toolbars a center shows (none for the start page).
std::vector<int> ToolbarsOfCenter(Center::Index center);

// The font size entries of the drawing and text toolbar.
const std::vector<int>& FontSizeEntries();
