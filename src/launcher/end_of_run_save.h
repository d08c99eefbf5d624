#pragma once

#include <QString>

class ItemStore;

// Makes sure the data file is written once at the end of the run, also when the run ends
// without the main window closing: the display going away makes the windowing system end the
// process from inside the event loop, and the table is then only in memory. One at a time.
class EndOfRunSave {
public:
    // Armed from now on; the store must outlive this object.
    EndOfRunSave(ItemStore& store, const QString& dataFolder);
    // Writes the file if the run ends here without the close having settled it.
    ~EndOfRunSave();
    EndOfRunSave(const EndOfRunSave&) = delete;
    EndOfRunSave& operator=(const EndOfRunSave&) = delete;

    // The close wrote the file, or the user chose to end without writing it: nothing more
    // may be written.
    void settle();
    // Writes the file now, without any question, and stays armed (a session checkpoint).
    bool writeNow();

private:
    void writeIfUnsettled();
    static void writeAtExit();

    ItemStore& store_;
    QString folder_;
    bool settled_ = false;
};
