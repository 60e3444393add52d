#include "simbrief/OfpRequest.h"

#include <winhttp.h>

#include "Version.h"

namespace {

const PlannerServer* testServer = nullptr;

// Reading stops one byte past the largest answer taken, which is then refused whole.
constexpr DWORD kReadChunk = 64 * 1024;

// The cause of a failure, told apart by the client's error; some clients (Wine's) pass the
// socket's own errors on. A failure while the body is read cuts the answer short.
FetchOutcome OutcomeOf(DWORD error, bool reading) {
    switch (error) {
        case ERROR_WINHTTP_NAME_NOT_RESOLVED:
        case ERROR_WINHTTP_CANNOT_CONNECT:
        case WSAECONNREFUSED: return FetchOutcome::Unreachable;
        case ERROR_WINHTTP_CONNECTION_ERROR:
        case WSAECONNRESET: return reading ? FetchOutcome::CutShort : FetchOutcome::Unreachable;
        case ERROR_WINHTTP_TIMEOUT:
        case WSAETIMEDOUT: return FetchOutcome::TimedOut;
        case ERROR_WINHTTP_SECURE_FAILURE:
        case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
        case ERROR_WINHTTP_SECURE_INVALID_CERT:
        case ERROR_WINHTTP_SECURE_INVALID_CA:
        case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
        case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
        case ERROR_WINHTTP_SECURE_CERT_REV_FAILED:
        case ERROR_WINHTTP_SECURE_CERT_REVOKED:
        case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE:
        case ERROR_WINHTTP_CLIENT_AUTH_CERT_NEEDED: return FetchOutcome::SecureRefused;
        default: return reading ? FetchOutcome::CutShort : FetchOutcome::Failed;
    }
}

}  // namespace

void UsePlannerServerForTests(const PlannerServer* server) { testServer = server; }

// What the thread and the window share. The handles are closed by whichever comes first:
// the thread at its end, or a Cancel from the window, which the thread then sees.
struct OfpRequest::Exchange {
    PlannerServer server;
    std::wstring path;
    HWND window;
    UINT message;
    FetchedAnswer answer;
    CRITICAL_SECTION lock;
    HINTERNET sessionHandle = nullptr, connectionHandle = nullptr, requestHandle = nullptr;
    bool cancelled = false;
    LONG references = 2;  // the thread's and the window's

    void Release() {
        if (InterlockedDecrement(&references) == 0) {
            DeleteCriticalSection(&lock);
            delete this;
        }
    }

    void CloseHandles() {
        for (HINTERNET* handle : {&requestHandle, &connectionHandle, &sessionHandle}) {
            if (*handle) WinHttpCloseHandle(*handle);
            *handle = nullptr;
        }
    }

    // Keeps a new handle for Cancel to close, and gives it; null when it could not be made
    // (the system's error kept) or the request was cancelled meanwhile (then closed here).
    HINTERNET Keep(HINTERNET& slot, HINTERNET handle) {
        const DWORD error = GetLastError();
        EnterCriticalSection(&lock);
        if (handle && cancelled) WinHttpCloseHandle(handle), handle = nullptr;
        if (handle) slot = handle;
        LeaveCriticalSection(&lock);
        SetLastError(handle ? ERROR_SUCCESS : error);
        return handle;
    }

    void Fail(bool reading) {
        const DWORD error = GetLastError();
        answer.outcome = OutcomeOf(error, reading);
        answer.systemError = error;
    }

    void Run() {
        answer = {};
        const std::string agent = "FS9 Skyliner Config/" SKYLINER_VERSION;
        const DWORD access = testServer ? WINHTTP_ACCESS_TYPE_NO_PROXY : WINHTTP_ACCESS_TYPE_DEFAULT_PROXY;
        // The thread works on its own copies of the handles, which a Cancel may close under it.
        const HINTERNET session = Keep(sessionHandle, WinHttpOpen(std::wstring(agent.begin(), agent.end()).c_str(), access,
                                                                  WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
        if (!session) return Fail(false);
        const int timeout = server.timeoutMilliseconds;
        WinHttpSetTimeouts(session, timeout, timeout, timeout, timeout);
        // Windows 7 offers TLS 1.2 only when asked; a system that knows no TLS 1.3 refuses its flag.
        DWORD protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2;
        if (!WinHttpSetOption(session, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof protocols)) {
            protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2;
            WinHttpSetOption(session, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof protocols);
        }
        const HINTERNET connection = Keep(connectionHandle, WinHttpConnect(session, server.host.c_str(), server.port, 0));
        if (!connection) return Fail(false);
        const HINTERNET request =
            Keep(requestHandle, WinHttpOpenRequest(connection, L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                                   WINHTTP_DEFAULT_ACCEPT_TYPES, server.secure ? WINHTTP_FLAG_SECURE : 0));
        if (!request) return Fail(false);
        // The wait for the answer's head has a time-out of its own, longer by default.
        DWORD headTimeout = static_cast<DWORD>(timeout);
        WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headTimeout, sizeof headTimeout);
        if (!WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
            !WinHttpReceiveResponse(request, nullptr)) {
            return Fail(false);
        }
        DWORD status = 0, length = 0, size = sizeof status;
        WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX,
                            &status, &size, WINHTTP_NO_HEADER_INDEX);
        answer.httpStatus = static_cast<int>(status);
        size = sizeof length;
        const bool lengthGiven = WinHttpQueryHeaders(request, WINHTTP_QUERY_CONTENT_LENGTH | WINHTTP_QUERY_FLAG_NUMBER,
                                                     WINHTTP_HEADER_NAME_BY_INDEX, &length, &size, WINHTTP_NO_HEADER_INDEX);
        answer.outcome = FetchOutcome::TooLarge;
        if (lengthGiven && length > kLargestFlightPlanBytes) return;
        for (;;) {
            if (answer.body.size() > kLargestFlightPlanBytes) return;
            const std::size_t start = answer.body.size();
            answer.body.resize(start + kReadChunk);
            DWORD read = 0;
            if (!WinHttpReadData(request, &answer.body[start], kReadChunk, &read)) {
                answer.body.resize(start);
                return Fail(true);
            }
            answer.body.resize(start + read);
            if (read == 0) break;
        }
        answer.outcome = lengthGiven && answer.body.size() < length ? FetchOutcome::CutShort : FetchOutcome::Answered;
    }

    static DWORD WINAPI Thread(void* parameter) {
        Exchange& exchange = *static_cast<Exchange*>(parameter);
        exchange.Run();
        EnterCriticalSection(&exchange.lock);
        exchange.CloseHandles();
        if (!exchange.cancelled) PostMessageA(exchange.window, exchange.message, 0, 0);
        LeaveCriticalSection(&exchange.lock);
        exchange.Release();
        return 0;
    }
};

OfpRequest::OfpRequest(const std::string& pilotId, HWND window, UINT message)
    : exchange_(new Exchange{testServer ? *testServer : PlannerServer(), {}, window, message, {}, {}}) {
    const std::string path = OfpRequestPath(pilotId);
    exchange_->path.assign(path.begin(), path.end());
    InitializeCriticalSection(&exchange_->lock);
    HANDLE thread = CreateThread(nullptr, 0, Exchange::Thread, exchange_, 0, nullptr);
    if (thread) {
        CloseHandle(thread);
        return;
    }
    // Told as any other failure of the request, by the same message.
    exchange_->answer.systemError = GetLastError();
    PostMessageA(window, message, 0, 0);
    exchange_->Release();
}

OfpRequest::~OfpRequest() {
    Cancel();
    exchange_->Release();
}

void OfpRequest::Cancel() {
    EnterCriticalSection(&exchange_->lock);
    exchange_->cancelled = true;
    exchange_->CloseHandles();
    LeaveCriticalSection(&exchange_->lock);
}

const FetchedAnswer& OfpRequest::Answer() const { return exchange_->answer; }
