#include "platform/fake/FakeLauncher.h"

namespace sequora::platform {

bool FakeLauncher::StartProgram(const std::string& commandLine, int showState) {
  started.push_back({commandLine, showState, fileSystem_ ? fileSystem_->CurrentDirectory() : ""});
  return !failStarts;
}

bool FakeLauncher::StartNotepad(const std::string& file) {
  notepadFiles.push_back(file);
  return !failStarts;
}

}  // namespace sequora::platform
