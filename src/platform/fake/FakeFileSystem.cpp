#include "platform/fake/FakeFileSystem.h"

#include <algorithm>

#include "base/StringOps.h"

namespace sequora::platform {

namespace {

char Up(char c) { return ToUpperAscii(c); }
std::string Upper(std::string_view s) { return ToUpper(s); }
bool SameName(std::string_view a, std::string_view b) { return EqualsNoCase(a, b); }

// Windows wildcard match: '*' any run, '?' one character; "*.*" matches every name.
bool WildMatch(std::string_view mask, std::string_view name) {
  if (mask == "*.*" || mask == "*") return true;
  size_t m = 0, n = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || Up(mask[m]) == Up(name[n]))) {
      ++m;
      ++n;
    } else if (m < mask.size() && mask[m] == '*') {
      star = m++;
      mark = n;
    } else if (star != std::string_view::npos) {
      m = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  // "name.*" also matches "name" without an extension.
  if (m + 2 == mask.size() && mask[m] == '.' && mask[m + 1] == '*') return true;
  return m == mask.size();
}

bool ValidComponent(std::string_view c) {
  return c.find_first_of("\"<>|*?:") == std::string_view::npos;
}

}  // namespace

struct FakeFileSystem::Node {
  std::string name;
  std::string shortName;
  bool isDir = false;
  bool readOnly = false;
  bool reparsePoint = false;
  std::string data;
  Node* parent = nullptr;
  std::vector<std::unique_ptr<Node>> children;  // kept in NTFS order (upper-cased name)

  Node* Child(std::string_view n) const {
    for (auto& c : children)
      if (SameName(c->name, n) || (!c->shortName.empty() && SameName(c->shortName, n)))
        return c.get();
    return nullptr;
  }
  Node* Add(std::unique_ptr<Node> node) {
    node->parent = this;
    auto pos = std::find_if(children.begin(), children.end(), [&](const auto& c) {
      return Upper(c->name) > Upper(node->name);
    });
    return children.insert(pos, std::move(node))->get();
  }
  std::unique_ptr<Node> Remove(Node* child) {
    for (auto it = children.begin(); it != children.end(); ++it) {
      if (it->get() == child) {
        std::unique_ptr<Node> n = std::move(*it);
        children.erase(it);
        n->parent = nullptr;
        return n;
      }
    }
    return nullptr;
  }
};

// A path turned into drive + components; `typed` keeps the components as the caller wrote them
// (after "." and ".." were applied) so that short/long forms can be rebuilt.
struct FakeFileSystem::Resolved {
  char drive = 'C';
  std::vector<std::string> parts;
  std::string prefix;  // drive as typed, e.g. "c:"
};

FakeFileSystem::FakeFileSystem() { AddDrive('C'); }
FakeFileSystem::~FakeFileSystem() = default;

void FakeFileSystem::AddDrive(char drive) {
  drive = Up(drive);
  if (drives_.count(drive)) return;
  auto root = std::make_unique<Node>();
  root->isDir = true;
  drives_[drive] = std::move(root);
  currentFolder_[drive] = "";
}

std::optional<FakeFileSystem::Resolved> FakeFileSystem::Resolve(const std::string& input) const {
  std::string path = input;
  std::replace(path.begin(), path.end(), '/', '\\');
  if (path.empty()) return std::nullopt;
  Resolved r;
  std::string rest;
  if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
    r.drive = Up(path[0]);
    r.prefix = path.substr(0, 2);
    rest = path.substr(2);
    if (rest.empty() || rest[0] != '\\') {
      auto it = currentFolder_.find(r.drive);
      rest = (it == currentFolder_.end() ? std::string() : it->second) + "\\" + rest;
    }
  } else if (path.rfind("\\\\", 0) == 0) {
    return std::nullopt;  // network paths are not modelled
  } else {
    r.drive = currentDrive_;
    r.prefix = std::string(1, currentDrive_) + ":";
    if (path[0] == '\\') {
      rest = path;
    } else {
      rest = currentFolder_.at(currentDrive_) + "\\" + path;
    }
  }
  if (!drives_.count(r.drive)) return std::nullopt;
  size_t start = 0;
  while (start <= rest.size()) {
    size_t end = rest.find('\\', start);
    if (end == std::string::npos) end = rest.size();
    std::string part = rest.substr(start, end - start);
    // Windows drops trailing blanks and dots of a name.
    while (!part.empty() && (part.back() == ' ' || part.back() == '.') && part != "." && part != "..")
      part.pop_back();
    if (part == "..") {
      if (!r.parts.empty()) r.parts.pop_back();
    } else if (!part.empty() && part != ".") {
      if (!ValidComponent(part)) return std::nullopt;
      r.parts.push_back(part);
    }
    start = end + 1;
  }
  return r;
}

FakeFileSystem::Node* FakeFileSystem::Find(const Resolved& r) const {
  Node* node = drives_.at(r.drive).get();
  for (const auto& part : r.parts) {
    if (!node->isDir) return nullptr;
    node = node->Child(part);
    if (!node) return nullptr;
  }
  return node;
}

FakeFileSystem::Node* FakeFileSystem::FindParent(const Resolved& r) const {
  if (r.parts.empty()) return nullptr;
  Resolved p = r;
  p.parts.pop_back();
  Node* n = Find(p);
  return (n && n->isDir) ? n : nullptr;
}

bool FakeFileSystem::Count(Op op) {
  auto i = static_cast<size_t>(op);
  ++calls_[i];
  if (failNext_[i] > 0) {
    --failNext_[i];
    ++injectedFailures_;
    return false;
  }
  return true;
}

bool FakeFileSystem::CountMutation(Op op) {
  bool ok = Count(op);
  ++mutations_;
  if (failAtMutation_ > 0 && (mutations_ == failAtMutation_ || (failLater_ && mutations_ > failAtMutation_))) {
    if (ok) ++injectedFailures_;
    return false;
  }
  return ok;
}

void FakeFileSystem::FailMutation(int n, bool andAllLater) {
  failAtMutation_ = n > 0 ? mutations_ + n : 0;
  failLater_ = andAllLater;
}

void FakeFileSystem::FailNext(Op op, int count) { failNext_[static_cast<size_t>(op)] = count; }

bool FakeFileSystem::Writable(const Node* folder, const Node* file) {
  for (const Node* n = folder; n; n = n->parent)
    if (n->readOnly) return false;
  return !(file && file->readOnly);
}

// --- set-up ---

bool FakeFileSystem::MakeDirs(const std::string& path) {
  auto r = Resolve(path);
  if (!r) return false;
  Node* node = drives_.at(r->drive).get();
  for (const auto& part : r->parts) {
    Node* next = node->Child(part);
    if (!next) {
      auto n = std::make_unique<Node>();
      n->name = part;
      n->isDir = true;
      next = node->Add(std::move(n));
    }
    if (!next->isDir) return false;
    node = next;
  }
  return true;
}

bool FakeFileSystem::PutFile(const std::string& path, std::string data) {
  auto r = Resolve(path);
  if (!r || r->parts.empty()) return false;
  Resolved folder = *r;
  folder.parts.pop_back();
  std::string folderPath = folder.prefix + "\\";
  for (const auto& p : folder.parts) folderPath += p + "\\";
  if (!MakeDirs(folderPath)) return false;
  Node* parent = FindParent(*r);
  Node* node = parent->Child(r->parts.back());
  if (node && node->isDir) return false;
  if (!node) {
    auto n = std::make_unique<Node>();
    n->name = r->parts.back();
    node = parent->Add(std::move(n));
  }
  node->data = std::move(data);
  return true;
}

std::optional<std::string> FakeFileSystem::Contents(const std::string& path) const {
  auto r = Resolve(path);
  Node* n = r ? Find(*r) : nullptr;
  if (!n || n->isDir) return std::nullopt;
  return n->data;
}

bool FakeFileSystem::SetShortName(const std::string& path, const std::string& shortName) {
  auto r = Resolve(path);
  Node* n = r ? Find(*r) : nullptr;
  if (!n || r->parts.empty()) return false;
  n->shortName = shortName;
  return true;
}

bool FakeFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
  auto r = Resolve(path);
  Node* n = r ? Find(*r) : nullptr;
  if (!n) return false;
  n->readOnly = readOnly;
  return true;
}

bool FakeFileSystem::SetReparsePoint(const std::string& path, bool reparsePoint) {
  auto r = Resolve(path);
  Node* n = r ? Find(*r) : nullptr;
  if (!n) return false;
  n->reparsePoint = reparsePoint;
  return true;
}

std::vector<std::string> FakeFileSystem::FilesBelow(const std::string& folder) const {
  std::vector<std::string> out;
  auto r = Resolve(folder);
  Node* n = r ? Find(*r) : nullptr;
  if (!n || !n->isDir) return out;
  std::string base = std::string(1, r->drive) + ":";
  for (const auto& p : r->parts) base += "\\" + p;
  auto walk = [&](auto&& self, const Node* node, const std::string& at) -> void {
    for (const auto& c : node->children) {
      if (c->isDir)
        self(self, c.get(), at + "\\" + c->name);
      else
        out.push_back(at + "\\" + c->name);
    }
  };
  walk(walk, n, base);
  return out;
}

// --- FileSystem ---

bool FakeFileSystem::FileExists(const std::string& path) {
  if (!Count(Op::FileExists)) return false;
  auto r = Resolve(path);
  Node* n = r ? Find(*r) : nullptr;
  return n && !n->isDir;
}

bool FakeFileSystem::DirectoryExists(const std::string& path) {
  if (!Count(Op::DirectoryExists)) return false;
  auto r = Resolve(path);
  Node* n = r ? Find(*r) : nullptr;
  return n && n->isDir;
}

bool FakeFileSystem::MakeDirectory(const std::string& path) {
  if (!CountMutation(Op::MakeDirectory)) return false;
  auto r = Resolve(path);
  if (!r) return false;
  Node* parent = FindParent(*r);
  if (!parent || parent->Child(r->parts.back()) || !Writable(parent, nullptr)) return false;
  auto n = std::make_unique<Node>();
  n->name = r->parts.back();
  n->isDir = true;
  parent->Add(std::move(n));
  return true;
}

bool FakeFileSystem::MovePath(const std::string& from, const std::string& to) {
  if (!CountMutation(Op::MovePath)) return false;
  auto rf = Resolve(from);
  auto rt = Resolve(to);
  if (!rf || !rt) return false;
  Node* node = Find(*rf);
  Node* dest = FindParent(*rt);
  if (!node || !dest || rf->parts.empty() || Find(*rt)) return false;
  if (!Writable(node->parent, node) || !Writable(dest, nullptr)) return false;
  for (Node* p = dest; p; p = p->parent)
    if (p == node) return false;  // a folder into itself
  auto owned = node->parent->Remove(node);
  owned->name = rt->parts.back();
  owned->shortName.clear();
  dest->Add(std::move(owned));
  return true;
}

bool FakeFileSystem::RemoveFile(const std::string& path) {
  if (!CountMutation(Op::RemoveFile)) return false;
  auto r = Resolve(path);
  Node* n = r ? Find(*r) : nullptr;
  if (!n || n->isDir || !Writable(n->parent, n)) return false;
  n->parent->Remove(n);
  return true;
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) {
  if (!Count(Op::ReadFile)) return std::nullopt;
  return Contents(path);
}

FakeFileSystem::Node* FakeFileSystem::FileForWriting(const std::string& path) {
  auto r = Resolve(path);
  if (!r) return nullptr;
  Node* parent = FindParent(*r);
  if (!parent) return nullptr;
  Node* n = parent->Child(r->parts.back());
  if ((n && n->isDir) || !Writable(parent, n)) return nullptr;
  if (!n) {
    auto fresh = std::make_unique<Node>();
    fresh->name = r->parts.back();
    n = parent->Add(std::move(fresh));
  }
  return n;
}

bool FakeFileSystem::WriteFile(const std::string& path, std::string_view data) {
  bool ok = CountMutation(Op::WriteFile);
  Node* n = FileForWriting(path);
  if (!n) return false;
  // A failure part-way leaves a truncated file, as a full disk or a crash would.
  n->data = ok ? std::string(data) : std::string(data.substr(0, data.size() / 2));
  return ok;
}

bool FakeFileSystem::AppendFile(const std::string& path, std::string_view data) {
  bool ok = CountMutation(Op::AppendFile);
  Node* n = FileForWriting(path);
  if (!n) return false;
  n->data += ok ? data : data.substr(0, data.size() / 2);
  return ok;
}

bool FakeFileSystem::RenameOver(const std::string& from, const std::string& to) {
  if (!CountMutation(Op::RenameOver)) return false;
  auto rf = Resolve(from);
  auto rt = Resolve(to);
  if (!rf || !rt) return false;
  Node* src = Find(*rf);
  Node* destParent = FindParent(*rt);
  if (!src || src->isDir || !destParent) return false;
  Node* dest = destParent->Child(rt->parts.back());
  if ((dest && dest->isDir) || !Writable(src->parent, src) || !Writable(destParent, dest)) return false;
  if (src == dest) return true;
  std::string data = std::move(src->data);
  src->parent->Remove(src);
  if (dest) {
    dest->data = std::move(data);
  } else {
    auto fresh = std::make_unique<Node>();
    fresh->name = rt->parts.back();
    fresh->data = std::move(data);
    destParent->Add(std::move(fresh));
  }
  return true;
}

std::optional<std::vector<DirEntry>> FakeFileSystem::ListDirectory(const std::string& pattern) {
  if (!Count(Op::ListDirectory)) return std::nullopt;
  std::string p = pattern;
  std::replace(p.begin(), p.end(), '/', '\\');
  size_t cut = p.find_last_of('\\');
  std::string folder = cut == std::string::npos ? std::string() : p.substr(0, cut + 1);
  std::string mask = cut == std::string::npos ? p : p.substr(cut + 1);
  if (folder.size() == 2 && folder[1] == ':') folder += "\\";
  auto r = Resolve(folder.empty() ? "." : folder);
  Node* dir = r ? Find(*r) : nullptr;
  if (!dir || !dir->isDir || mask.empty()) return std::nullopt;
  std::vector<DirEntry> out;
  if (!r->parts.empty()) {
    if (WildMatch(mask, ".")) out.push_back({".", true});
    if (WildMatch(mask, "..")) out.push_back({"..", true});
  }
  for (const auto& c : dir->children) {
    if (WildMatch(mask, c->name) || (!c->shortName.empty() && WildMatch(mask, c->shortName)))
      out.push_back({c->name, c->isDir, c->reparsePoint});
  }
  if (out.empty()) return std::nullopt;
  return out;
}

std::string FakeFileSystem::CurrentDirectory() {
  Count(Op::CurrentDirectory);
  return std::string(1, currentDrive_) + ":" +
         (currentFolder_[currentDrive_].empty() ? "\\" : currentFolder_[currentDrive_]);
}

bool FakeFileSystem::ChangeDirectory(const std::string& path) {
  if (!Count(Op::ChangeDirectory)) return false;
  auto r = Resolve(path);
  Node* n = r ? Find(*r) : nullptr;
  if (!n || !n->isDir) return false;
  std::string folder;
  Node* walk = drives_.at(r->drive).get();
  for (const auto& part : r->parts) {
    walk = walk->Child(part);
    folder += "\\" + walk->name;
  }
  currentDrive_ = r->drive;
  currentFolder_[r->drive] = folder;
  return true;
}

bool FakeFileSystem::ChangeDrive(char drive) {
  if (!Count(Op::ChangeDrive)) return false;
  drive = Up(drive);
  if (!drives_.count(drive)) return false;
  currentDrive_ = drive;
  return true;
}

std::string FakeFileSystem::Rebuild(const std::string& path, bool shortForm) const {
  auto r = Resolve(path);
  if (!r || !Find(*r)) return "";
  std::string out = r->prefix + "\\";
  Node* node = drives_.at(r->drive).get();
  for (size_t i = 0; i < r->parts.size(); ++i) {
    node = node->Child(r->parts[i]);
    const std::string& piece = shortForm ? (node->shortName.empty() ? r->parts[i] : node->shortName)
                                         : node->name;
    out += piece;
    if (i + 1 < r->parts.size()) out += "\\";
  }
  // Keep a trailing separator the caller wrote.
  if (!r->parts.empty() && (path.back() == '\\' || path.back() == '/')) out += "\\";
  return out;
}

std::string FakeFileSystem::ShortPathName(const std::string& path) {
  if (!Count(Op::ShortPathName)) return "";
  return Rebuild(path, true);
}

std::string FakeFileSystem::LongPathName(const std::string& path) {
  if (!Count(Op::LongPathName)) return "";
  return Rebuild(path, false);
}

}  // namespace sequora::platform
