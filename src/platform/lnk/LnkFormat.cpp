#include "platform/lnk/LnkFormat.h"

#include <array>
#include <cstring>
#include <vector>

#include "base/StringOps.h"

namespace sequora::platform::lnk {

namespace {

constexpr std::uint32_t kHeaderSize = 0x4C;
constexpr unsigned char kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                          0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
// {20D04FE0-3AEA-1069-A2D8-08002B30309D}, "This PC": the root of drive-letter paths.
constexpr unsigned char kMyComputer[16] = {0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10,
                                           0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};
constexpr std::uint32_t kEnvironmentBlock = 0xA0000001;
constexpr std::uint32_t kEnvironmentBlockSize = 0x314;
constexpr std::uint32_t kFirstBlockSignature = 0xA0000001;
constexpr std::uint32_t kLastBlockSignature = 0xA000000C;
constexpr std::uint32_t kLongNameExtension = 0xBEEF0004;

// Bounds-checked little-endian access to a byte range. Every read states where and how much.
class Bytes {
 public:
  explicit Bytes(std::string_view data) : d_(data) {}
  size_t Size() const { return d_.size(); }
  bool Has(size_t pos, size_t n) const { return pos <= d_.size() && n <= d_.size() - pos; }
  std::uint8_t U8(size_t pos) const { return static_cast<std::uint8_t>(d_[pos]); }
  std::uint16_t U16(size_t pos) const { return static_cast<std::uint16_t>(U8(pos) | (U8(pos + 1) << 8)); }
  std::uint32_t U32(size_t pos) const {
    return static_cast<std::uint32_t>(U16(pos)) | (static_cast<std::uint32_t>(U16(pos + 2)) << 16);
  }
  // Sub-range; empty when it does not lie inside.
  Bytes Sub(size_t pos, size_t n) const { return Bytes(Has(pos, n) ? d_.substr(pos, n) : std::string_view()); }
  bool Equals(size_t pos, const unsigned char (&what)[16]) const {
    return Has(pos, 16) && std::memcmp(d_.data() + pos, what, 16) == 0;
  }
  // Zero-terminated ANSI text from `pos`, ending at the range's end when there is no zero.
  std::string AnsiZ(size_t pos) const {
    if (pos >= d_.size()) return {};
    std::string_view rest = d_.substr(pos);
    return std::string(rest.substr(0, rest.find('\0')));
  }
  // Zero-terminated UTF-16 text from `pos`.
  std::u16string Utf16Z(size_t pos) const {
    std::u16string out;
    for (size_t p = pos; Has(p, 2); p += 2) {
      char16_t c = U16(p);
      if (c == 0) break;
      out.push_back(c);
    }
    return out;
  }
  // `count` units of text, cut at the first zero.
  std::string Text(size_t pos, size_t count, bool unicode, const platform::CodePage& cp) const {
    if (unicode) return cp.FromUtf16(Sub(pos, count * 2).Utf16Z(0));
    return Sub(pos, count).AnsiZ(0);
  }

 private:
  std::string_view d_;
};

bool ValidOffset(std::uint32_t offset, const Bytes& block) { return offset != 0 && offset < block.Size(); }

// The UTF-16 form when the file has one that says more than the ANSI form (which holds the
// maker's code page); the ANSI form when both name the same thing, letter case aside.
std::string Prefer(const Bytes& block, std::uint32_t unicodeOffset, std::string ansi,
                   const platform::CodePage& cp) {
  if (ValidOffset(unicodeOffset, block)) {
    std::u16string wide = block.Utf16Z(unicodeOffset);
    std::string converted = cp.FromUtf16(wide);
    if (!wide.empty() && !EqualsNoCase(converted, ansi)) return converted;
  }
  return ansi;
}

std::optional<LnkLinkInfo> ParseLinkInfo(const Bytes& block, const platform::CodePage& cp) {
  if (block.Size() < 0x1C) return std::nullopt;
  LnkLinkInfo info;
  std::uint32_t headerSize = block.U32(4);
  std::uint32_t flags = block.U32(8);
  std::uint32_t localOffset = block.U32(16);
  std::uint32_t networkOffset = block.U32(20);
  std::uint32_t suffixOffset = block.U32(24);
  std::uint32_t localOffsetUnicode = 0;
  std::uint32_t suffixOffsetUnicode = 0;
  if (headerSize >= 0x24 && block.Size() >= 0x24) {
    localOffsetUnicode = block.U32(28);
    suffixOffsetUnicode = block.U32(32);
  }
  if ((flags & 1) && ValidOffset(localOffset, block)) {
    info.hasLocalPath = true;
    info.localBasePath = Prefer(block, localOffsetUnicode, block.AnsiZ(localOffset), cp);
  }
  if ((flags & 2) && ValidOffset(networkOffset, block) && block.Has(networkOffset, 0x14)) {
    std::uint32_t size = block.U32(networkOffset);
    Bytes net = block.Sub(networkOffset, size);
    if (size >= 0x14 && net.Size() == size) {
      std::uint32_t netFlags = net.U32(4);
      std::uint32_t nameOffset = net.U32(8);
      std::uint32_t deviceOffset = net.U32(12);
      std::uint32_t nameOffsetUnicode = 0;
      std::uint32_t deviceOffsetUnicode = 0;
      if (nameOffset > 0x14 && size >= 0x1C) {
        nameOffsetUnicode = net.U32(0x14);
        deviceOffsetUnicode = net.U32(0x18);
      }
      if (ValidOffset(nameOffset, net)) {
        info.hasNetworkPath = true;
        info.netName = Prefer(net, nameOffsetUnicode, net.AnsiZ(nameOffset), cp);
      }
      if ((netFlags & 1) && ValidOffset(deviceOffset, net)) {
        info.deviceName = Prefer(net, deviceOffsetUnicode, net.AnsiZ(deviceOffset), cp);
      }
    }
  }
  if (ValidOffset(suffixOffset, block)) {
    info.commonPathSuffix = Prefer(block, suffixOffsetUnicode, block.AnsiZ(suffixOffset), cp);
  } else if (ValidOffset(suffixOffsetUnicode, block)) {
    info.commonPathSuffix = cp.FromUtf16(block.Utf16Z(suffixOffsetUnicode));
  }
  return info;
}

// The name of a file-entry shell item: the long name of its 0xBEEF0004 extension when it has
// one, else its primary name (ANSI, or UTF-16 when the type says so).
std::string FileEntryName(const Bytes& item, const platform::CodePage& cp) {
  if (item.Size() < 15) return {};
  for (size_t p = 18; item.Has(p, 4); ++p) {
    if (item.U32(p) != kLongNameExtension) continue;
    size_t start = p - 4;
    std::uint16_t size = item.U16(start);
    std::uint16_t version = item.U16(start + 2);
    Bytes block = item.Sub(start, size);
    if (size < 8 || block.Size() != size) continue;
    size_t nameOffset = version >= 9 ? 46 : version == 8 ? 42 : version == 7 ? 38 : version >= 3 ? 20 : 0;
    if (nameOffset == 0 || nameOffset >= size) continue;
    std::u16string longName = block.Utf16Z(nameOffset);
    if (!longName.empty()) return cp.FromUtf16(longName);
  }
  bool unicode = (item.U8(2) & 0x04) != 0;
  return unicode ? cp.FromUtf16(item.Utf16Z(14)) : item.AnsiZ(14);
}

// The drive-letter path an ID list names ("This PC", a drive, then folders and a file), or ""
// when it names something else (a known folder, an app, a share, a control-panel item).
std::string IdListPath(const Bytes& list, const platform::CodePage& cp) {
  std::vector<Bytes> items;
  for (size_t pos = 0; list.Has(pos, 2);) {
    std::uint16_t size = list.U16(pos);
    if (size == 0) break;
    if (size < 3 || !list.Has(pos, size)) return {};
    items.push_back(list.Sub(pos, size));
    pos += size;
  }
  size_t i = 0;
  if (i < items.size() && items[i].U8(2) == 0x1F) {
    if (!items[i].Equals(4, kMyComputer)) return {};
    ++i;
  }
  // A drive item holds "C:\"; type 0x2E under "This PC" is a folder by GUID, not a drive.
  if (i >= items.size() || (items[i].U8(2) & 0x70) != 0x20 || items[i].U8(2) == 0x2E) return {};
  std::string path = items[i].AnsiZ(3);
  bool letter = !path.empty() && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  if (!letter || (path != std::string(1, path[0]) + ":" && path != std::string(1, path[0]) + ":\\")) return {};
  if (path.back() != '\\') path.push_back('\\');
  for (++i; i < items.size(); ++i) {
    if ((items[i].U8(2) & 0x70) != 0x30) return {};
    std::string name = FileEntryName(items[i], cp);
    if (name.empty()) return {};
    if (path.back() != '\\') path.push_back('\\');
    path += name;
  }
  return path;
}

// Where the strings end must be where the extra data (or the file) begins.
bool LooksLikeExtraData(const Bytes& bytes, size_t pos) {
  if (!bytes.Has(pos, 4)) return true;
  std::uint32_t size = bytes.U32(pos);
  if (size < 4) return true;
  if (size < 8 || !bytes.Has(pos, size)) return false;
  std::uint32_t signature = bytes.U32(pos + 4);
  return signature >= kFirstBlockSignature && signature <= kLastBlockSignature;
}

enum StringKind { kName, kRelativePath, kWorkingDir, kArguments, kIconLocation, kStringKinds };
constexpr std::uint32_t kStringFlags[kStringKinds] = {lnkflag::kHasName, lnkflag::kHasRelativePath,
                                                      lnkflag::kHasWorkingDir, lnkflag::kHasArguments,
                                                      lnkflag::kHasIconLocation};

struct Strings {
  std::array<std::string, kStringKinds> text;
  size_t end = 0;
};

std::optional<Strings> ReadStrings(const Bytes& bytes, size_t pos, std::uint32_t flags,
                                   const platform::CodePage& cp) {
  Strings s;
  bool unicode = (flags & lnkflag::kIsUnicode) != 0;
  for (int k = 0; k < kStringKinds; ++k) {
    if (!(flags & kStringFlags[k])) continue;
    if (!bytes.Has(pos, 2)) return std::nullopt;
    size_t count = bytes.U16(pos);
    size_t length = unicode ? count * 2 : count;
    if (!bytes.Has(pos + 2, length)) return std::nullopt;
    s.text[k] = bytes.Text(pos + 2, count, unicode, cp);
    pos += 2 + length;
  }
  s.end = pos;
  return s;
}

void ReadExtraData(const Bytes& bytes, size_t pos, LnkFile& link, const platform::CodePage& cp) {
  while (bytes.Has(pos, 4)) {
    std::uint32_t size = bytes.U32(pos);
    if (size < 8 || !bytes.Has(pos, size)) return;  // the terminal block, or a damaged one
    Bytes block = bytes.Sub(pos, size);
    if (block.U32(4) == kEnvironmentBlock && size >= kEnvironmentBlockSize &&
        (link.flags & lnkflag::kHasExpString)) {
      std::string ansi = block.Sub(8, 260).AnsiZ(0);
      std::u16string wide = block.Sub(268, 520).Utf16Z(0);
      link.environmentTarget = wide.empty() ? ansi : cp.FromUtf16(wide);
    }
    pos += size;
  }
}

std::string JoinPath(const std::string& base, const std::string& suffix) {
  if (suffix.empty()) return base;
  if (base.empty() || base.back() == '\\') return base + suffix;
  return base + "\\" + suffix;
}

std::string Expand(const std::string& text, const std::function<std::string(const std::string&)>& getVariable) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    size_t close = text[i] == '%' ? text.find('%', i + 1) : std::string::npos;
    if (close != std::string::npos && close > i + 1) {
      std::string value = getVariable ? getVariable(text.substr(i + 1, close - i - 1)) : std::string();
      out += value.empty() ? text.substr(i, close - i + 1) : value;
      i = close + 1;
    } else {
      out.push_back(text[i++]);
    }
  }
  return out;
}

// --- writing ---

void Put16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::string LocalLinkInfo(const std::string& path) {
  constexpr std::uint32_t kVolumeIdSize = 0x11;  // header and an empty label
  std::uint32_t localOffset = 0x1C + kVolumeIdSize;
  std::uint32_t suffixOffset = localOffset + static_cast<std::uint32_t>(path.size()) + 1;
  std::string out;
  Put32(out, suffixOffset + 1);
  Put32(out, 0x1C);
  Put32(out, 1);  // VolumeIDAndLocalBasePath
  Put32(out, 0x1C);
  Put32(out, localOffset);
  Put32(out, 0);
  Put32(out, suffixOffset);
  Put32(out, kVolumeIdSize);
  Put32(out, 3);  // DRIVE_FIXED
  Put32(out, 0);  // serial number unknown
  Put32(out, 0x10);
  out.push_back('\0');  // empty volume label
  out += path;
  out.push_back('\0');
  out.push_back('\0');  // empty common path suffix
  return out;
}

std::string NetworkLinkInfo(const std::string& path) {
  size_t serverEnd = path.find('\\', 2);
  size_t shareEnd = serverEnd == std::string::npos ? std::string::npos : path.find('\\', serverEnd + 1);
  std::string share = path.substr(0, shareEnd);
  std::string suffix = shareEnd == std::string::npos ? std::string() : path.substr(shareEnd + 1);
  std::uint32_t networkSize = 0x14 + static_cast<std::uint32_t>(share.size()) + 1;
  std::uint32_t suffixOffset = 0x1C + networkSize;
  std::string out;
  Put32(out, suffixOffset + static_cast<std::uint32_t>(suffix.size()) + 1);
  Put32(out, 0x1C);
  Put32(out, 2);  // CommonNetworkRelativeLinkAndPathSuffix
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0x1C);
  Put32(out, suffixOffset);
  Put32(out, networkSize);
  Put32(out, 0);  // no device, no provider type
  Put32(out, 0x14);
  Put32(out, 0);
  Put32(out, 0);
  out += share;
  out.push_back('\0');
  out += suffix;
  out.push_back('\0');
  return out;
}

void PutString(std::string& out, const std::string& text, const platform::CodePage& cp) {
  std::u16string wide = cp.ToUtf16(text);
  if (wide.size() > 0xFFFF) wide.resize(0xFFFF);
  Put16(out, static_cast<std::uint32_t>(wide.size()));
  for (char16_t c : wide) Put16(out, c);
}

}  // namespace

std::optional<LnkFile> DecodeLnk(std::string_view data, const platform::CodePage& cp) {
  Bytes bytes(data);
  if (!bytes.Has(0, kHeaderSize) || bytes.U32(0) != kHeaderSize || !bytes.Equals(4, kLinkClsid)) {
    return std::nullopt;
  }
  LnkFile link;
  link.flags = bytes.U32(0x14);
  link.fileAttributes = bytes.U32(0x18);
  link.iconIndex = static_cast<std::int32_t>(bytes.U32(0x38));
  link.showCommand = bytes.U32(0x3C);
  size_t pos = kHeaderSize;

  if (link.flags & lnkflag::kHasIdList) {
    if (!bytes.Has(pos, 2)) return std::nullopt;
    std::uint16_t size = bytes.U16(pos);
    if (!bytes.Has(pos + 2, size)) return std::nullopt;
    link.hasIdList = true;
    link.idListPath = IdListPath(bytes.Sub(pos + 2, size), cp);
    pos += 2 + size;
  }
  if (link.flags & lnkflag::kHasLinkInfo) {
    if (!bytes.Has(pos, 4)) return std::nullopt;
    std::uint32_t size = bytes.U32(pos);
    if (size < 4 || !bytes.Has(pos, size)) return std::nullopt;
    if (!(link.flags & lnkflag::kForceNoLinkInfo)) link.linkInfo = ParseLinkInfo(bytes.Sub(pos, size), cp);
    pos += size;
  }

  auto strings = ReadStrings(bytes, pos, link.flags, cp);
  if (!strings) return std::nullopt;
  if (!LooksLikeExtraData(bytes, strings->end) && !(link.flags & lnkflag::kHasRelativePath)) {
    // Some writers store a relative path without setting its flag; the strings only line up
    // with the extra data that follows them when it is read.
    auto withRelative = ReadStrings(bytes, pos, link.flags | lnkflag::kHasRelativePath, cp);
    if (withRelative && LooksLikeExtraData(bytes, withRelative->end)) strings = withRelative;
  }
  link.description = strings->text[kName];
  link.relativePath = strings->text[kRelativePath];
  link.workingDirectory = strings->text[kWorkingDir];
  link.arguments = strings->text[kArguments];
  link.iconLocation = strings->text[kIconLocation];
  ReadExtraData(bytes, strings->end, link, cp);
  return link;
}

std::string LnkTargetPath(const LnkFile& link,
                          const std::function<std::string(const std::string&)>& getVariable) {
  if (!link.environmentTarget.empty()) return Expand(link.environmentTarget, getVariable);
  if (link.linkInfo) {
    const LnkLinkInfo& info = *link.linkInfo;
    if (info.hasLocalPath && !info.localBasePath.empty()) return JoinPath(info.localBasePath, info.commonPathSuffix);
    if (info.hasNetworkPath) {
      const std::string& base = info.deviceName.empty() ? info.netName : info.deviceName;
      if (!base.empty()) return JoinPath(base, info.commonPathSuffix);
    }
  }
  if (!link.idListPath.empty()) return link.idListPath;
  return link.relativePath;
}

std::string EncodeLnk(const LnkContent& content, const platform::CodePage& cp) {
  const std::string& target = content.target;
  bool network = target.size() > 2 && target[0] == '\\' && target[1] == '\\';
  bool local = target.size() >= 2 && target[1] == ':' &&
               ((target[0] >= 'A' && target[0] <= 'Z') || (target[0] >= 'a' && target[0] <= 'z'));
  std::uint32_t flags = lnkflag::kIsUnicode;
  if (local || network) {
    flags |= lnkflag::kHasLinkInfo;
  } else if (!target.empty()) {
    flags |= lnkflag::kHasRelativePath;
  }
  if (!content.description.empty()) flags |= lnkflag::kHasName;
  if (!content.workingDirectory.empty()) flags |= lnkflag::kHasWorkingDir;
  if (!content.arguments.empty()) flags |= lnkflag::kHasArguments;
  if (!content.iconLocation.empty()) flags |= lnkflag::kHasIconLocation;

  std::string out;
  Put32(out, kHeaderSize);
  out.append(reinterpret_cast<const char*>(kLinkClsid), sizeof kLinkClsid);
  Put32(out, flags);
  Put32(out, 0);                 // file attributes of the target: not known here
  out.append(24, '\0');          // creation, access and write times
  Put32(out, 0);                 // file size
  Put32(out, static_cast<std::uint32_t>(content.iconIndex));
  Put32(out, 1);                 // SW_SHOWNORMAL
  Put16(out, 0);                 // no hot key
  out.append(10, '\0');          // reserved

  if (local) out += LocalLinkInfo(target);
  if (network) out += NetworkLinkInfo(target);
  if (flags & lnkflag::kHasName) PutString(out, content.description, cp);
  if (flags & lnkflag::kHasRelativePath) PutString(out, target, cp);
  if (flags & lnkflag::kHasWorkingDir) PutString(out, content.workingDirectory, cp);
  if (flags & lnkflag::kHasArguments) PutString(out, content.arguments, cp);
  if (flags & lnkflag::kHasIconLocation) PutString(out, content.iconLocation, cp);
  Put32(out, 0);  // terminal extra-data block
  return out;
}

}  // namespace sequora::platform::lnk
