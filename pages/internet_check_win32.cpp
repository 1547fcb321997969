#include "pages/internet_check_win32.h"

#include <windows.h>
#include <wininet.h>

#include "profiles/app_name.h"

namespace {

constexpr DWORD_PTR kContext = 1;

void setTimeout(HINTERNET handle, DWORD option, DWORD ms) {
    InternetSetOptionA(handle, option, &ms, sizeof ms);
}

void setTimeouts(HINTERNET handle) {
    setTimeout(handle, INTERNET_OPTION_CONNECT_TIMEOUT, WinInetCheck::kConnectTimeoutMs);
    setTimeout(handle, INTERNET_OPTION_SEND_TIMEOUT, WinInetCheck::kSendTimeoutMs);
    setTimeout(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, WinInetCheck::kReceiveTimeoutMs);
    setTimeout(handle, INTERNET_OPTION_CONNECT_RETRIES, 1);
}

// Some implementations of the library let a URL's request inherit only the session's
// connect time-out: the request handle gets all of them the moment it exists, before
// anything is sent on it.
void CALLBACK onStatus(HINTERNET, DWORD_PTR, DWORD status, LPVOID info, DWORD length) {
    if (status != INTERNET_STATUS_HANDLE_CREATED || !info || length < sizeof(HINTERNET)) return;
    const auto* created = static_cast<const INTERNET_ASYNC_RESULT*>(info);
    if (HINTERNET request = reinterpret_cast<HINTERNET>(created->dwResult)) setTimeouts(request);
}

}  // namespace

InternetOutcome WinInetCheck::openPage(const std::string& url) {
    HINTERNET session = InternetOpenA(kAppName, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!session) return InternetOutcome::Error;
    // Without these the library waits a minute or more for a silent server, and the
    // whole user interface with it.
    setTimeouts(session);
    InternetSetStatusCallbackA(session, onStatus);

    // Always from the network: a page answered from the cache proves nothing.
    const DWORD flags = INTERNET_FLAG_TRANSFER_ASCII | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                        INTERNET_FLAG_PRAGMA_NOCACHE;
    SetLastError(ERROR_SUCCESS);
    HINTERNET page = InternetOpenUrlA(session, url.c_str(), nullptr, 0, flags, kContext);
    const DWORD error = page ? ERROR_SUCCESS : GetLastError();
    if (page) InternetCloseHandle(page);
    InternetCloseHandle(session);
    if (page) return InternetOutcome::Handle;
    return error != ERROR_SUCCESS ? InternetOutcome::Error : InternetOutcome::Neither;
}
