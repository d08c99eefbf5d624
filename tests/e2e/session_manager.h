#pragma once

#include <QString>

#include <functional>
#include <memory>

// A session manager of our own (XSMP over ICE, on a local socket) for one client: it asks the
// client to save as a desktop session does at a checkpoint and at a logout, cancels a logout,
// and tells the client to die when the session really ends.
class SessionManager {
public:
    SessionManager();
    ~SessionManager();
    SessionManager(const SessionManager&) = delete;
    SessionManager& operator=(const SessionManager&) = delete;

    // The SESSION_MANAGER value that leads a client here; empty when listening failed.
    const QString& address() const;
    // Waits until a client has registered; false on timeout.
    bool waitForClient(int timeoutMs = 10000);
    // Asks the client to save, for a checkpoint or for a logout (shutdown), and waits for it
    // to say it is done; false on timeout.
    bool saveYourself(bool shutdown, int timeoutMs = 10000);
    // The logout was cancelled (by another program): the client goes on.
    void cancelShutdown();
    // The session ends.
    void die();

    // Answers the client until done() holds; false on timeout.
    bool pumpUntil(int timeoutMs, const std::function<bool()>& done);

    struct State;

private:
    std::unique_ptr<State> state_;
};
