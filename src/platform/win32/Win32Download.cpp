#include "platform/win32/Win32Download.h"

#include <windows.h>
#include <winhttp.h>

#include <string>
#include <vector>

#include "platform/win32/UniqueHandle.h"

namespace sequora::platform::win32 {

namespace {

struct InternetCloser {
  void operator()(HINTERNET h) const { ::WinHttpCloseHandle(h); }
};
using UniqueInternet = UniqueHandle<NullIsEmpty<HINTERNET, InternetCloser>>;

constexpr int kResolveTimeoutMs = 10000;
constexpr int kConnectTimeoutMs = 10000;
constexpr int kTransferTimeoutMs = 30000;

std::wstring Widen(const std::string& text) {
  const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

DownloadResult Failed(const char* step) {
  return {false, std::string(step) + " failed (error " + std::to_string(::GetLastError()) + ")"};
}

}  // namespace

DownloadResult Win32Download::DownloadToFile(const std::string& url, const std::string& file) {
  if (!IsPermittedDownloadUrl(url)) return {false, "address not allowed: " + url};
  std::wstring wideUrl = Widen(url);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof(parts);
  parts.dwSchemeLength = static_cast<DWORD>(-1);
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!::WinHttpCrackUrl(wideUrl.c_str(), 0, 0, &parts)) return Failed("reading the address");
  const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
  if (parts.lpszExtraInfo) path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (path.empty()) path = L"/";

  UniqueInternet session(::WinHttpOpen(L"Sequora", secure ? WINHTTP_ACCESS_TYPE_DEFAULT_PROXY : WINHTTP_ACCESS_TYPE_NO_PROXY,
                                       WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session) return Failed("opening WinHTTP");
  ::WinHttpSetTimeouts(session.Get(), kResolveTimeoutMs, kConnectTimeoutMs, kTransferTimeoutMs, kTransferTimeoutMs);
  UniqueInternet connection(::WinHttpConnect(session.Get(), host.c_str(), parts.nPort, 0));
  if (!connection) return Failed("connecting");
  UniqueInternet request(::WinHttpOpenRequest(connection.Get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                              WINHTTP_DEFAULT_ACCEPT_TYPES, secure ? WINHTTP_FLAG_SECURE : 0));
  if (!request) return Failed("opening the request");
  DWORD policy = secure ? WINHTTP_OPTION_REDIRECT_POLICY_DISALLOW_HTTPS_TO_HTTP : WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
  ::WinHttpSetOption(request.Get(), WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof(policy));

  if (!::WinHttpSendRequest(request.Get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0))
    return Failed("sending the request");
  if (!::WinHttpReceiveResponse(request.Get(), nullptr)) return Failed("receiving the answer");

  DWORD status = 0;
  DWORD size = sizeof(status);
  if (!::WinHttpQueryHeaders(request.Get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
    return Failed("reading the status");
  if (status != HTTP_STATUS_OK) return {false, "the server answered " + std::to_string(status)};
  DWORD announced = 0;
  size = sizeof(announced);
  const bool lengthKnown =
      ::WinHttpQueryHeaders(request.Get(), WINHTTP_QUERY_CONTENT_LENGTH | WINHTTP_QUERY_FLAG_NUMBER,
                            WINHTTP_HEADER_NAME_BY_INDEX, &announced, &size, WINHTTP_NO_HEADER_INDEX) != FALSE;

  UniqueFile out(::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out) return Failed("creating the file");
  std::vector<char> buffer(64 * 1024);
  unsigned long long total = 0;
  for (;;) {
    DWORD read = 0;
    if (!::WinHttpReadData(request.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read))
      return Failed("receiving the file");
    if (read == 0) break;
    DWORD written = 0;
    if (!::WriteFile(out.Get(), buffer.data(), read, &written, nullptr) || written != read)
      return Failed("writing the file");
    total += read;
  }
  if (lengthKnown && total != announced)
    return {false, "the transfer broke off after " + std::to_string(total) + " of " + std::to_string(announced) + " bytes"};
  if (!::FlushFileBuffers(out.Get())) return Failed("writing the file");
  return {true, ""};
}

}  // namespace sequora::platform::win32
