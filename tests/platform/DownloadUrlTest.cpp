// Which addresses a download may fetch: a program comes down and is started afterwards.
#include <gtest/gtest.h>

#include "platform/Download.h"

using sequora::platform::IsPermittedDownloadUrl;

TEST(DownloadUrl, HttpsAnywhereAndPlainHttpOnlyToTheLoopbackAddress) {
  for (const char* url : {"https://update.example.com/Update.exe", "HTTPS://Example.com:8443/a?b=c",
                          "http://127.0.0.1/Update.exe", "http://127.0.0.1:8080/x", "http://LOCALHOST:80/",
                          "http://[::1]:8080/x", "https://[2001:db8::1]/x"})
    EXPECT_TRUE(IsPermittedDownloadUrl(url)) << url;
  for (const char* url :
       {"", "http://example.com/Update.exe", "http://127.0.0.2/x", "http://127.0.0.1.example.com/x",
        "http://127.0.0.1@example.com/x", "https://user@example.com/x", "http://localhost.example.com/",
        "ftp://127.0.0.1/x", "file:///C:/Update.exe", "https://", "https:///path", "http://127.0.0.1:/x",
        "http://127.0.0.1:80a/x", "https://example.com/a b", "https://example.com/\"x", "https://exa\tmple.com/",
        "http:\\\\127.0.0.1\\x", "https://[::1/x", "\\\\server\\share\\Update.exe"})
    EXPECT_FALSE(IsPermittedDownloadUrl(url)) << url;
}
