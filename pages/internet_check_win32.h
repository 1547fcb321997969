#pragma once
// InternetCheck over WinINet: a session with the system's preconfigured access, one
// URL opened in it, both handles closed. The session's connect, send and receive
// time-outs are set so that a network that does not answer holds the caller well under
// five seconds (name resolution is the system resolver's and has no time-out of ours).

#include <cstdint>
#include <string>

#include "pages/internet_check.h"

class WinInetCheck : public InternetCheck {
public:
    // Per phase, in milliseconds; one connection attempt.
    static constexpr uint32_t kConnectTimeoutMs = 1500;
    static constexpr uint32_t kSendTimeoutMs = 1500;
    static constexpr uint32_t kReceiveTimeoutMs = 1500;

    InternetOutcome openPage(const std::string& url) override;
};
