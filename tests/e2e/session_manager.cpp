#include "e2e/session_manager.h"

#include <QDeadlineTimer>

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <cstdlib>
#include <functional>
#include <poll.h>
#include <vector>

struct SessionManager::State {
    int listenerCount = 0;
    IceListenObj* listeners = nullptr;
    QString address;
    IceConn ice = nullptr;
    SmsConn client = nullptr;
    bool registered = false;
    int savesDone = 0;
};

namespace {

using State = SessionManager::State;

Bool anyLocalClient(char*)
{
    return True;
}

Status registerClient(SmsConn conn, SmPointer data, char* previousId)
{
    free(previousId);
    char* id = SmsGenerateClientID(conn);
    const Status replied = SmsRegisterClientReply(conn, id);
    free(id);
    static_cast<State*>(data)->registered = true;
    return replied;
}

void interactRequest(SmsConn conn, SmPointer, int)
{
    SmsInteract(conn);
}

void interactDone(SmsConn, SmPointer, Bool) {}

void saveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}

void phase2Request(SmsConn conn, SmPointer)
{
    SmsSaveYourselfPhase2(conn);
}

void saveYourselfDone(SmsConn, SmPointer data, Bool)
{
    ++static_cast<State*>(data)->savesDone;
}

void closeConnection(SmsConn conn, SmPointer data, int count, char** reasons)
{
    SmFreeReasons(count, reasons);
    auto* state = static_cast<State*>(data);
    SmsCleanUp(conn);
    IceSetShutdownNegotiation(state->ice, False);
    IceCloseConnection(state->ice);
    state->client = nullptr;
    state->ice = nullptr;
}

void setProperties(SmsConn, SmPointer, int count, SmProp** properties)
{
    for (int i = 0; i < count; ++i)
        SmFreeProperty(properties[i]);
    free(properties);
}

void deleteProperties(SmsConn, SmPointer, int count, char** names)
{
    for (int i = 0; i < count; ++i)
        free(names[i]);
    free(names);
}

void getProperties(SmsConn conn, SmPointer)
{
    SmsReturnProperties(conn, 0, nullptr);
}

Status newClient(SmsConn conn, SmPointer data, unsigned long* mask, SmsCallbacks* callbacks,
                 char**)
{
    static_cast<State*>(data)->client = conn;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask
            | SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask
            | SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask
            | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask
            | SmsGetPropertiesProcMask;
    callbacks->register_client = {registerClient, data};
    callbacks->interact_request = {interactRequest, data};
    callbacks->interact_done = {interactDone, data};
    callbacks->save_yourself_request = {saveYourselfRequest, data};
    callbacks->save_yourself_phase2_request = {phase2Request, data};
    callbacks->save_yourself_done = {saveYourselfDone, data};
    callbacks->close_connection = {closeConnection, data};
    callbacks->set_properties = {setProperties, data};
    callbacks->delete_properties = {deleteProperties, data};
    callbacks->get_properties = {getProperties, data};
    return 1;
}

} // namespace

SessionManager::SessionManager() : state_(std::make_unique<State>())
{
    char error[256] = {};
    if (!SmsInitialize("mosaro-tests", "1", newClient, state_.get(), anyLocalClient,
                       sizeof error, error))
        return;
    if (!IceListenForConnections(&state_->listenerCount, &state_->listeners, sizeof error, error))
        return;
    // Only the local socket is offered to the client.
    for (int i = 0; i < state_->listenerCount; ++i) {
        IceSetHostBasedAuthProc(state_->listeners[i], anyLocalClient);
        char* id = IceGetListenConnectionString(state_->listeners[i]);
        const QString address = QString::fromLatin1(id);
        free(id);
        if (state_->address.isEmpty() && address.startsWith("local/"))
            state_->address = address;
    }
}

SessionManager::~SessionManager()
{
    if (state_->ice) {
        if (state_->client)
            SmsCleanUp(state_->client);
        IceSetShutdownNegotiation(state_->ice, False);
        IceCloseConnection(state_->ice);
    }
    if (state_->listeners)
        IceFreeListenObjs(state_->listenerCount, state_->listeners);
}

const QString& SessionManager::address() const
{
    return state_->address;
}

bool SessionManager::pumpUntil(int timeoutMs, const std::function<bool()>& done)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        std::vector<pollfd> fds;
        for (int i = 0; i < state_->listenerCount; ++i)
            fds.push_back({IceGetListenConnectionNumber(state_->listeners[i]), POLLIN, 0});
        if (state_->ice)
            fds.push_back({IceConnectionNumber(state_->ice), POLLIN, 0});
        if (::poll(fds.data(), nfds_t(fds.size()), 50) <= 0)
            continue;
        for (int i = 0; i < state_->listenerCount; ++i) {
            if (!(fds[size_t(i)].revents & POLLIN) || state_->ice)
                continue;
            IceAcceptStatus status;
            state_->ice = IceAcceptConnection(state_->listeners[i], &status);
        }
        if (state_->ice) {
            if (IceProcessMessages(state_->ice, nullptr, nullptr)
                    == IceProcessMessagesIOError
                && state_->ice) {
                IceSetShutdownNegotiation(state_->ice, False);
                IceCloseConnection(state_->ice);
                state_->ice = nullptr;
                state_->client = nullptr;
            }
        }
    }
    return true;
}

bool SessionManager::waitForClient(int timeoutMs)
{
    return pumpUntil(timeoutMs, [this] { return state_->registered; });
}

bool SessionManager::saveYourself(bool shutdown, int timeoutMs)
{
    if (!state_->client)
        return false;
    const int before = state_->savesDone;
    SmsSaveYourself(state_->client, SmSaveBoth, shutdown ? True : False,
                    shutdown ? SmInteractStyleAny : SmInteractStyleNone, False);
    return pumpUntil(timeoutMs, [this, before] { return state_->savesDone > before; });
}

void SessionManager::cancelShutdown()
{
    if (state_->client) {
        SmsShutdownCancelled(state_->client);
        IceFlush(state_->ice);
    }
}

void SessionManager::die()
{
    if (state_->client) {
        SmsDie(state_->client);
        IceFlush(state_->ice);
    }
}
