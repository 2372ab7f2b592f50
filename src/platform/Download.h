#pragma once
// Fetching a file from the network (the online update). Win32: platform/win32/Win32Download
// (WinHTTP); tests: platform/fake/FakeDownload.
//
// Only addresses that IsPermittedDownloadUrl accepts are fetched: what comes down is a program
// that is started afterwards, so it must come over an authenticated connection. Plain http is
// allowed to this machine's loopback address only (a test server).
#include <string>

namespace sequora::platform {

// https:// with a host, or http:// to 127.0.0.1, [::1] or localhost. Refused as well: user names
// in the address (http://127.0.0.1@elsewhere/), blanks, quotes and control characters (the
// address goes into a command line), anything else.
bool IsPermittedDownloadUrl(const std::string& url);

struct DownloadResult {
  bool ok = false;
  std::string error;  // why it failed, for the log or a message; "" when ok
};

class Download {
 public:
  virtual ~Download() = default;
  // Fetches `url` into `file` (created or truncated). ok only when the server answered 200 and
  // every byte it announced arrived and was written; otherwise `file` may hold part of the data
  // and the caller removes it. A URL that IsPermittedDownloadUrl refuses fails without any
  // connection.
  virtual DownloadResult DownloadToFile(const std::string& url, const std::string& file) = 0;
};

}  // namespace sequora::platform
