#include "generate/ButtonCommon.h"

namespace corvane {

namespace {

bool PassesUnencoded(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '@';
}

} // namespace

std::string ServiceLink(std::string_view pathAndQuery, std::string_view email) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::size_t length = ServiceBaseUrl.size() + pathAndQuery.size();
    for (unsigned char c : email)
        length += PassesUnencoded(c) ? 1 : 3;
    std::string out;
    out.reserve(length);
    out.append(ServiceBaseUrl).append(pathAndQuery);
    for (unsigned char c : email) {
        if (PassesUnencoded(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

} // namespace corvane
