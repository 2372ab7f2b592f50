#pragma once
// The shell-link (.lnk) file format, read and written without the shell: header, link-target ID
// list, link info (local base path, common path suffix, network share), string data in ANSI or
// UTF-16, extra data blocks. All text is handed out in the ANSI code page.
//
// Reading checks every length and offset against the bytes it has: a short, oversized or hostile
// file gives nullopt (header, ID list, link info or strings unusable) or a record without the
// damaged optional parts (extra data), never a read outside the input.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace sequora::platform::lnk {

namespace lnkflag {
inline constexpr std::uint32_t kHasIdList = 0x1;
inline constexpr std::uint32_t kHasLinkInfo = 0x2;
inline constexpr std::uint32_t kHasName = 0x4;
inline constexpr std::uint32_t kHasRelativePath = 0x8;
inline constexpr std::uint32_t kHasWorkingDir = 0x10;
inline constexpr std::uint32_t kHasArguments = 0x20;
inline constexpr std::uint32_t kHasIconLocation = 0x40;
inline constexpr std::uint32_t kIsUnicode = 0x80;
inline constexpr std::uint32_t kForceNoLinkInfo = 0x100;
inline constexpr std::uint32_t kHasExpString = 0x200;
}  // namespace lnkflag

struct LnkLinkInfo {
  bool hasLocalPath = false;
  std::string localBasePath;
  bool hasNetworkPath = false;
  std::string netName;     // "\\server\share"
  std::string deviceName;  // "Z:" when the share is mapped to a drive, else ""
  std::string commonPathSuffix;
};

struct LnkFile {
  std::uint32_t flags = 0;
  std::uint32_t fileAttributes = 0;
  std::int32_t iconIndex = 0;
  std::uint32_t showCommand = 1;
  bool hasIdList = false;
  std::string idListPath;  // the file-system path the ID list names; "" when it names none
  std::optional<LnkLinkInfo> linkInfo;
  std::string description;
  std::string relativePath;
  std::string workingDirectory;
  std::string arguments;
  std::string iconLocation;
  std::string environmentTarget;  // the environment-variable block's target, unexpanded
};

// What a shortcut is written from.
struct LnkContent {
  std::string target;  // "C:\dir\file", "\\server\share\dir\file", or a relative path
  std::string arguments;
  std::string description;
  std::string workingDirectory;
  std::string iconLocation;
  std::int32_t iconIndex = 0;
};

std::optional<LnkFile> DecodeLnk(std::string_view bytes, const platform::CodePage& codePage);

// The target as the shell reports it in long form: the environment-variable block's path with
// its variables expanded (`getVariable` gives "" for an unset one, which then stays as written);
// else the link info (local base path + common path suffix; for a share the mapped drive or the
// share name + "\" + suffix); else the ID list's file-system path; else the relative path.
std::string LnkTargetPath(const LnkFile& link,
                          const std::function<std::string(const std::string&)>& getVariable);

// A shortcut file as the published format describes it: header, link info (or only a relative
// path when the target is not absolute), UTF-16 string data, no extra data. Texts longer than a
// string can hold (65535 characters) are cut.
std::string EncodeLnk(const LnkContent& content, const platform::CodePage& codePage);

}  // namespace sequora::platform::lnk
