#pragma once
// A plain HTTP GET for the update service. An answer with any status is an
// answer; only failing to reach the service or to complete the exchange
// raises THttpError.

#include <chrono>
#include <stdexcept>
#include <string>

namespace qor::gui {

class THttpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct THttpResponse {
    long status = 0;
    std::string body;
};

// The client's default Accept header.
inline constexpr const char* kDefaultAccept = "application/json, text/plain; q=0.9, text/html;q=0.8,";

THttpResponse HttpGet(const std::string& url, const std::string& accept, std::chrono::seconds timeout);

}  // namespace qor::gui
