#pragma once

#include <windows.h>

#include <string>

#include "simbrief/OfpAnswer.h"

// Where the latest OFP is asked for: the planner's site over HTTPS. Only tests put another
// server in its place (a loopback one, over plain HTTP, reached without any proxy).
struct PlannerServer {
    std::wstring host = L"www.simbrief.com";
    unsigned short port = 443;
    bool secure = true;
    int timeoutMilliseconds = 15000;  // to resolve, to connect, to send and for each read
};
void UsePlannerServerForTests(const PlannerServer* server);  // null: the planner's own again

// One request for a user's latest OFP through the system's HTTP client, made on a thread of
// its own so that the window that waits for it stays responsive; the only other thread of
// the program. When the answer is in, `window` gets `message`; a cancelled request posts
// nothing.
class OfpRequest {
public:
    OfpRequest(const std::string& pilotId, HWND window, UINT message);
    ~OfpRequest();  // cancels a request still running
    OfpRequest(const OfpRequest&) = delete;
    OfpRequest& operator=(const OfpRequest&) = delete;

    // Closes the connection at once, without waiting for the thread, which ends on its own.
    void Cancel();
    // Once the message has come.
    const FetchedAnswer& Answer() const;

private:
    struct Exchange;
    Exchange* exchange_;
};
