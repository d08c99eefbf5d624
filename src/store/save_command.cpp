#include "store/save_command.h"

#include "platform/platform.h"
#include "store/item_file.h"

// Placeholder until the save command lands.
void mnuFrmSave_Click(ItemStore&, Platform&) {}
void saveForClose(ItemStore& store, Platform& platform)
{
    SaveItemFile(store, platform.programFolder());
}
