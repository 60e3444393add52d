#pragma once

// The tests' stand-in for the planner's site: an HTTP server on the loopback address, on a
// thread of its own, that answers every request with the bytes it was given and closes the
// connection, or keeps it open without a word until the server ends.

#include <winsock2.h>
#include <windows.h>

#include <string>

#include "FakeUserInterface.h"
#include "simbrief/OfpRequest.h"
#include "ui/ModalDialog.h"

class LoopbackServer {
public:
    explicit LoopbackServer(std::string answer, bool answers = true) : answer_(std::move(answer)), answers_(answers) {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof address;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), size);
        listen(listener_, 4);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
        stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Serve, this, 0, nullptr);
    }
    ~LoopbackServer() {
        SetEvent(stop_);
        closesocket(listener_);  // which ends the wait for the next client
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        CloseHandle(stop_);
        WSACleanup();
    }
    unsigned short Port() const { return port_; }
    // The head of the last request received.
    std::string Request() const { return request_; }

private:
    static DWORD WINAPI Serve(void* parameter) {
        LoopbackServer& server = *static_cast<LoopbackServer*>(parameter);
        for (SOCKET client; (client = accept(server.listener_, nullptr, nullptr)) != INVALID_SOCKET;) {
            const DWORD patience = 2000;  // a client that stopped reading a large answer may keep it unread
            setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&patience), sizeof patience);
            char buffer[4096];
            std::string request;
            for (int got; request.find("\r\n\r\n") == std::string::npos && (got = recv(client, buffer, sizeof buffer, 0)) > 0;) {
                request.append(buffer, got);
            }
            server.request_ = request;
            if (!server.answers_) WaitForSingleObject(server.stop_, INFINITE);
            for (std::size_t sent = 0; server.answers_ && sent < server.answer_.size();) {
                const int part = send(client, server.answer_.data() + sent, int(server.answer_.size() - sent), 0);
                if (part <= 0) break;
                sent += part;
            }
            shutdown(client, SD_SEND);
            closesocket(client);
        }
        return 0;
    }

    std::string answer_;
    bool answers_;
    SOCKET listener_;
    unsigned short port_ = 0;
    HANDLE stop_, thread_;
    std::string request_;
};

inline std::string Http(const char* status, const std::string& body, bool length = true) {
    return std::string("HTTP/1.1 ") + status + "\r\nContent-Type: application/xml\r\n" +
           (length ? "Content-Length: " + std::to_string(body.size()) + "\r\n" : "Connection: close\r\n") + "\r\n" + body;
}

// The planner's site replaced by a loopback server on `port`, its time-out shortened.
struct PlannerOnLoopback {
    explicit PlannerOnLoopback(unsigned short port, int timeout = 10000) : server{L"127.0.0.1", port, false, timeout} {
        UsePlannerServerForTests(&server);
    }
    ~PlannerOnLoopback() { UsePlannerServerForTests(nullptr); }
    PlannerServer server;
};

// Pumps the dialog's messages, as its modal loop would, until it ends or the time is up.
inline void AwaitEnd(ModalDialog& dialog, DWORD milliseconds = 10000) {
    for (DWORD start = GetTickCount(); dialog.Window() && GetTickCount() - start < milliseconds;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
}
