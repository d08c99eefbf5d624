#pragma once

// Makes theme icon lookups follow the XDG icon folders with hicolor and Adwaita behind them,
// also on platforms that name no theme and no folders (offscreen, bare X servers). Call it
// right after creating the application object.
void useXdgIconThemes();
