#pragma once
// Download over WinHTTP: https (the system's certificate checks), or plain http to the loopback
// address. Redirects never lead from https to http, and a plain-http request follows none (it
// must not leave the machine). Timeouts keep a dead server from holding the window for long.
#include "platform/Download.h"

namespace sequora::platform::win32 {

class Win32Download : public Download {
 public:
  DownloadResult DownloadToFile(const std::string& url, const std::string& file) override;
};

}  // namespace sequora::platform::win32
