#pragma once
// Downloads for the tests: a table of what each address serves. Records every request; an
// address that is not served fails, and one marked broken delivers part of its content before it
// fails (what a dropped connection leaves behind).
#include <map>
#include <set>
#include <vector>

#include "platform/Download.h"
#include "platform/FileSystem.h"

namespace sequora::platform {

class FakeDownload : public Download {
 public:
  explicit FakeDownload(FileSystem& fileSystem) : fileSystem_(fileSystem) {}

  std::map<std::string, std::string> served;  // address -> content
  std::set<std::string> broken;               // served addresses whose transfer breaks off
  std::vector<std::string> requests;          // addresses that reached the network
  std::vector<std::string> files;             // where each request was written

  DownloadResult DownloadToFile(const std::string& url, const std::string& file) override;

 private:
  FileSystem& fileSystem_;
};

}  // namespace sequora::platform
