#include "launcher/end_of_run_save.h"

#include "store/item_file.h"

#include <cstdlib>

namespace {
EndOfRunSave* armed = nullptr;
bool exitHookInstalled = false;
} // namespace

EndOfRunSave::EndOfRunSave(ItemStore& store, const QString& dataFolder)
    : store_(store), folder_(dataFolder)
{
    armed = this;
    // exit() runs this while main's objects are still alive; after main returns, the
    // destructor has already disarmed it.
    if (!exitHookInstalled)
        exitHookInstalled = std::atexit(&EndOfRunSave::writeAtExit) == 0;
}

EndOfRunSave::~EndOfRunSave()
{
    writeIfUnsettled();
    if (armed == this)
        armed = nullptr;
}

void EndOfRunSave::settle()
{
    settled_ = true;
}

bool EndOfRunSave::writeNow()
{
    return SaveItemFile(store_, folder_).saved;
}

void EndOfRunSave::writeIfUnsettled()
{
    if (settled_)
        return;
    settled_ = true;
    SaveItemFile(store_, folder_);
}

void EndOfRunSave::writeAtExit()
{
    if (armed)
        armed->writeIfUnsettled();
}
