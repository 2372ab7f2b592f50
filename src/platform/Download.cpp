#include "platform/Download.h"

#include <algorithm>

#include "base/StringOps.h"

namespace sequora::platform {

namespace {

bool StartsWithNoCase(const std::string& text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(std::string_view(text).substr(0, prefix.size()), prefix);
}

// The host of host[:port], lower case; "" when the authority is malformed.
std::string HostOf(const std::string& authority) {
  std::string host = authority;
  std::string port;
  if (!host.empty() && host.front() == '[') {
    const size_t close = host.find(']');
    if (close == std::string::npos) return {};
    port = host.substr(close + 1);
    host = host.substr(0, close + 1);
    if (!port.empty() && port.front() != ':') return {};
  } else if (const size_t colon = host.find(':'); colon != std::string::npos) {
    port = host.substr(colon);
    host = host.substr(0, colon);
  }
  if (!port.empty()) {
    port.erase(0, 1);
    if (port.empty() || port.size() > 5 || !std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return {};
  }
  return ToLower(host);
}

}  // namespace

bool IsPermittedDownloadUrl(const std::string& url) {
  for (unsigned char c : url)
    if (c <= ' ' || c == '"' || c == 0x7F) return false;
  const bool secure = StartsWithNoCase(url, "https://");
  if (!secure && !StartsWithNoCase(url, "http://")) return false;
  const std::string rest = url.substr(secure ? 8 : 7);
  const std::string authority = rest.substr(0, rest.find_first_of("/?#"));
  if (authority.find('@') != std::string::npos || authority.find('\\') != std::string::npos) return false;
  const std::string host = HostOf(authority);
  if (host.empty()) return false;
  if (secure) return true;
  return host == "127.0.0.1" || host == "localhost" || host == "[::1]";
}

}  // namespace sequora::platform
