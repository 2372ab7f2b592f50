// The portable .lnk reader on arbitrary bytes: it must never read outside its input, and what
// it reads must survive being written and read again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/lnk/LnkFormat.h"
#include "platform/fake/FakeCodePage.h"

using namespace sequora::platform::lnk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const sequora::platform::FakeCodePage codePage(1252);
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto link = DecodeLnk(bytes, codePage);
  if (!link) return 0;
  auto getVariable = [](const std::string& name) { return name == "windir" ? std::string("C:\\Windows") : std::string(); };
  LnkContent content{LnkTargetPath(*link, getVariable), link->arguments, link->description,
                     link->workingDirectory, link->iconLocation, link->iconIndex};
  auto again = DecodeLnk(EncodeLnk(content, codePage), codePage);
  if (!again || again->arguments != content.arguments || again->description != content.description ||
      again->workingDirectory != content.workingDirectory || again->iconLocation != content.iconLocation ||
      again->iconIndex != content.iconIndex) {
    __builtin_trap();
  }
  return 0;
}
