#include "gui/http_client.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace qor::gui {
namespace {

std::size_t Append(char* data, std::size_t size, std::size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

void Check(CURLcode code, const char* detail) {
    if (code != CURLE_OK) throw THttpError(std::string(*detail ? detail : curl_easy_strerror(code)));
}

}  // namespace

THttpResponse HttpGet(const std::string& url, const std::string& accept, std::chrono::seconds timeout) {
    static std::once_flag init;
    std::call_once(init, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl) throw THttpError("Não foi possível iniciar o cliente HTTP");
    const std::string header = "Accept: " + accept;
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(
        curl_slist_append(nullptr, header.c_str()), &curl_slist_free_all);

    char detail[CURL_ERROR_SIZE] = "";
    THttpResponse response;
    CURL* h = curl.get();
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, detail);
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, 15L);
    curl_easy_setopt(h, CURLOPT_TIMEOUT, static_cast<long>(timeout.count()));
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &Append);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &response.body);
    Check(curl_easy_perform(h), detail);
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &response.status);
    return response;
}

}  // namespace qor::gui
