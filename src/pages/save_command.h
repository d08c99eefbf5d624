#pragma once

class ItemStore;
class Platform;

// The page menu's "save" entry: asks, then writes the data file.
void mnuFrmSave_Click(ItemStore& store, Platform& platform);

// Writes the data file for the closing window; on failure offers to try again. Returns when
// the file is written or the user gives up.
void saveForClose(ItemStore& store, Platform& platform);
