#include "platform/fake/FakeDownload.h"

namespace sequora::platform {

DownloadResult FakeDownload::DownloadToFile(const std::string& url, const std::string& file) {
  if (!IsPermittedDownloadUrl(url)) return {false, "address refused"};
  requests.push_back(url);
  files.push_back(file);
  auto found = served.find(url);
  if (found == served.end()) return {false, "404"};
  if (broken.count(url)) {
    fileSystem_.WriteFile(file, found->second.substr(0, found->second.size() / 2));
    return {false, "connection reset"};
  }
  if (!fileSystem_.WriteFile(file, found->second)) return {false, "cannot write"};
  return {true, ""};
}

}  // namespace sequora::platform
