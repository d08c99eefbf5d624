#pragma once

#include <QString>

// One running copy per data file: an exclusive flock on the folder that holds it. The data
// file itself cannot carry the lock, since every save replaces it by a rename. Two users of an
// installed copy lock their own data folders, copies in different folders lock different
// folders, and the kernel drops the lock when the holder dies, however it dies.
class InstanceLock {
public:
    enum class State {
        Ours,          // this process holds it
        HeldElsewhere, // another process holds it: another instance runs on this data file
        Unknown,       // the lock could not be taken for another reason; nothing can be told
    };

    // Creates the folder when it is missing, then takes the lock.
    explicit InstanceLock(const QString& dataFolder);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }

private:
    int fd_ = -1;
    State state_ = State::Unknown;
};
