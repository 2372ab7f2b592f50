#include "platform/fake/FakeRegistry.h"

#include <algorithm>
#include <cstring>

#include "base/StringOps.h"

namespace sequora::platform {

struct FakeRegistry::Node {
  std::string name;
  std::map<std::string, std::unique_ptr<Node>> children;  // by lower-case name: Windows' order
  std::vector<std::pair<std::string, Value>> values;      // in the order first written
  bool denyOpen = false;
  std::optional<std::uint32_t> breakAt;
  long breakCode = reg::kAccessDenied;

  std::pair<std::string, Value>* FindValue(const std::string& valueName) {
    for (auto& v : values) {
      if (EqualsNoCase(v.first, valueName)) return &v;
    }
    return nullptr;
  }
};

namespace {

// The data of a value into the caller's buffer, as the registry does: the size needed is always
// reported; a buffer too small gets nothing and "more data". No buffer asks for the size alone.
long CopyValueData(const FakeRegistry::Value& value, std::span<std::uint8_t> data, std::uint32_t& dataSize) {
  const auto needed = static_cast<std::uint32_t>(value.data.size());
  if (!data.empty()) {
    const std::uint32_t room = std::min<std::uint32_t>(dataSize, static_cast<std::uint32_t>(data.size()));
    if (needed > room) {
      dataSize = needed;
      return reg::kMoreData;
    }
    std::copy(value.data.begin(), value.data.end(), data.begin());
  }
  dataSize = needed;
  return reg::kSuccess;
}

constexpr std::pair<const char*, RegKey> kRootNames[] = {
    {"HKEY_CLASSES_ROOT", reg::kClassesRoot},         {"HKEY_CURRENT_USER", reg::kCurrentUser},
    {"HKEY_LOCAL_MACHINE", reg::kLocalMachine},       {"HKEY_USERS", reg::kUsers},
    {"HKEY_PERFORMANCE_DATA", reg::kPerformanceData}, {"HKEY_CURRENT_CONFIG", reg::kCurrentConfig},
    {"HKEY_DYN_DATA", reg::kDynData},
};

// "A\B\" -> {"A", "B"}; nullopt for an empty level or a leading backslash.
std::optional<std::vector<std::string>> SplitKeyPath(std::string path) {
  std::vector<std::string> parts;
  if (!path.empty() && path.back() == '\\') path.pop_back();
  if (path.empty()) return parts;
  size_t start = 0;
  while (true) {
    size_t end = path.find('\\', start);
    std::string part = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (part.empty()) return std::nullopt;
    parts.push_back(part);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return parts;
}

}  // namespace

FakeRegistry::FakeRegistry() {
  for (const auto& [name, handle] : kRootNames) {
    auto node = std::make_unique<Node>();
    node->name = name;
    roots_[handle] = std::move(node);
  }
}

FakeRegistry::~FakeRegistry() = default;

FakeRegistry::Node* FakeRegistry::NodeOf(RegKey key) const {
  if (auto r = roots_.find(key); r != roots_.end()) return r->second.get();
  if (auto h = handles_.find(key); h != handles_.end()) return h->second;
  return nullptr;
}

FakeRegistry::Node* FakeRegistry::Walk(Node* from, const std::string& subKey, bool create,
                                       long& error) const {
  auto parts = SplitKeyPath(subKey);
  if (!parts) {
    error = create ? reg::kInvalidParameter : reg::kFileNotFound;
    return nullptr;
  }
  Node* node = from;
  for (const std::string& part : *parts) {
    std::string lower = ToLower(part);
    auto it = node->children.find(lower);
    if (it == node->children.end()) {
      if (!create) {
        error = reg::kFileNotFound;
        return nullptr;
      }
      auto child = std::make_unique<Node>();
      child->name = part;
      it = node->children.emplace(lower, std::move(child)).first;
    }
    node = it->second.get();
    if (node->denyOpen) {
      error = reg::kAccessDenied;
      return nullptr;
    }
  }
  error = reg::kSuccess;
  return node;
}

FakeRegistry::Node* FakeRegistry::FindPath(const std::string& path) const {
  size_t slash = path.find('\\');
  std::string root = path.substr(0, slash);
  for (const auto& [name, handle] : kRootNames) {
    if (!EqualsNoCase(root, name)) continue;
    if (slash == std::string::npos) return roots_.at(handle).get();
    auto parts = SplitKeyPath(path.substr(slash + 1));
    if (!parts) return nullptr;
    Node* node = roots_.at(handle).get();
    for (const std::string& part : *parts) {
      auto it = node->children.find(ToLower(part));
      if (it == node->children.end()) return nullptr;
      node = it->second.get();
    }
    return node;
  }
  return nullptr;
}

FakeRegistry::Node* FakeRegistry::MakePath(const std::string& path) {
  size_t slash = path.find('\\');
  std::string root = path.substr(0, slash);
  for (const auto& [name, handle] : kRootNames) {
    if (!EqualsNoCase(root, name)) continue;
    Node* node = roots_.at(handle).get();
    if (slash == std::string::npos) return node;
    auto parts = SplitKeyPath(path.substr(slash + 1));
    if (!parts) return nullptr;
    for (const std::string& part : *parts) {
      auto& child = node->children[ToLower(part)];
      if (!child) {
        child = std::make_unique<Node>();
        child->name = part;
      }
      node = child.get();
    }
    return node;
  }
  return nullptr;
}

bool FakeRegistry::MakeKey(const std::string& path) { return MakePath(path) != nullptr; }

bool FakeRegistry::PutString(const std::string& keyPath, const std::string& name,
                             const std::string& text, std::uint32_t type) {
  Value v{type, std::vector<std::uint8_t>(text.begin(), text.end())};
  v.data.push_back(0);
  return PutValue(keyPath, name, std::move(v));
}

bool FakeRegistry::PutDword(const std::string& keyPath, const std::string& name, std::uint32_t value) {
  Value v{reg::kTypeDword, std::vector<std::uint8_t>(4)};
  for (int i = 0; i < 4; ++i) v.data[i] = static_cast<std::uint8_t>(value >> (8 * i));
  return PutValue(keyPath, name, std::move(v));
}

bool FakeRegistry::PutValue(const std::string& keyPath, const std::string& name, Value value) {
  Node* node = MakePath(keyPath);
  if (!node) return false;
  if (auto* existing = node->FindValue(name)) {
    existing->second = std::move(value);
  } else {
    node->values.emplace_back(name, std::move(value));
  }
  return true;
}

std::optional<FakeRegistry::Value> FakeRegistry::GetValue(const std::string& keyPath,
                                                          const std::string& name) const {
  Node* node = FindPath(keyPath);
  if (!node) return std::nullopt;
  if (auto* v = node->FindValue(name)) return v->second;
  return std::nullopt;
}

bool FakeRegistry::KeyExists(const std::string& path) const { return FindPath(path) != nullptr; }

void FakeRegistry::DenyOpen(const std::string& path) {
  if (Node* node = MakePath(path)) node->denyOpen = true;
}

void FakeRegistry::BreakEnumeration(const std::string& path, std::uint32_t index, long code) {
  if (Node* node = MakePath(path)) {
    node->breakAt = index;
    node->breakCode = code;
  }
}

long FakeRegistry::Open(Op op, RegKey parent, const std::string& subKey, bool create, RegKey& result) {
  Count(op);
  result = 0;
  Node* from = NodeOf(parent);
  if (!from) return reg::kInvalidHandle;
  auto parts = SplitKeyPath(subKey);
  if (parts && parts->empty() && op == Op::OpenKey) {
    result = parent;  // RegOpenKeyA hands back the parent itself
    return reg::kSuccess;
  }
  long error = reg::kSuccess;
  Node* node = Walk(from, subKey, create, error);
  if (!node) return error;
  result = nextHandle_;
  nextHandle_ += 4;
  handles_[result] = node;
  return reg::kSuccess;
}

long FakeRegistry::OpenKey(RegKey parent, const std::string& subKey, RegKey& result) {
  return Open(Op::OpenKey, parent, subKey, false, result);
}

long FakeRegistry::OpenKeyEx(RegKey parent, const std::string& subKey, std::uint32_t /*options*/,
                             std::uint32_t /*access*/, RegKey& result) {
  return Open(Op::OpenKeyEx, parent, subKey, false, result);
}

long FakeRegistry::CreateKey(RegKey parent, const std::string& subKey, RegKey& result) {
  return Open(Op::CreateKey, parent, subKey, true, result);
}

long FakeRegistry::EnumKey(RegKey key, std::uint32_t index, std::span<char> name) {
  Count(Op::EnumKey);
  Node* node = NodeOf(key);
  if (!node) return reg::kInvalidHandle;
  if (node->breakAt && index >= *node->breakAt) return node->breakCode;
  if (index >= node->children.size()) return reg::kNoMoreItems;
  auto it = std::next(node->children.begin(), index);
  const std::string& childName = it->second->name;
  if (childName.size() + 1 > name.size()) return reg::kMoreData;
  std::memcpy(name.data(), childName.c_str(), childName.size() + 1);
  return reg::kSuccess;
}

long FakeRegistry::EnumValue(RegKey key, std::uint32_t index, std::span<char> name,
                             std::uint32_t& nameLength, std::uint32_t* type,
                             std::span<std::uint8_t> data, std::uint32_t& dataSize) {
  Count(Op::EnumValue);
  Node* node = NodeOf(key);
  if (!node) return reg::kInvalidHandle;
  if (node->breakAt && index >= *node->breakAt) return node->breakCode;
  if (index >= node->values.size()) return reg::kNoMoreItems;
  const auto& [valueName, value] = node->values[index];
  std::uint32_t capacity = std::min<std::uint32_t>(nameLength, static_cast<std::uint32_t>(name.size()));
  std::uint32_t needed = static_cast<std::uint32_t>(value.data.size());
  if (valueName.size() + 1 > capacity) {
    dataSize = needed;
    return reg::kMoreData;
  }
  std::memcpy(name.data(), valueName.c_str(), valueName.size() + 1);
  nameLength = static_cast<std::uint32_t>(valueName.size());
  if (type) *type = value.type;
  return CopyValueData(value, data, dataSize);
}

long FakeRegistry::QueryValue(RegKey key, const std::string& valueName, std::uint32_t* type,
                              std::span<std::uint8_t> data, std::uint32_t& dataSize) {
  Count(Op::QueryValue);
  Node* node = NodeOf(key);
  if (!node) return reg::kInvalidHandle;
  auto* found = node->FindValue(valueName);
  if (!found) return reg::kFileNotFound;
  const Value& value = found->second;
  if (type) *type = value.type;
  return CopyValueData(value, data, dataSize);
}

long FakeRegistry::SetValue(RegKey key, const std::string& valueName, std::uint32_t type,
                            std::span<const std::uint8_t> data) {
  Count(Op::SetValue);
  Node* node = NodeOf(key);
  if (!node) return reg::kInvalidHandle;
  if (Fails(Op::SetValue)) return reg::kAccessDenied;
  Value v{type, std::vector<std::uint8_t>(data.begin(), data.end())};
  if (auto* existing = node->FindValue(valueName)) {
    existing->second = std::move(v);
  } else {
    node->values.emplace_back(valueName, std::move(v));
  }
  return reg::kSuccess;
}

long FakeRegistry::DeleteValue(RegKey key, const std::string& valueName) {
  Count(Op::DeleteValue);
  Node* node = NodeOf(key);
  if (!node) return reg::kInvalidHandle;
  if (Fails(Op::DeleteValue)) return reg::kAccessDenied;
  auto it = std::find_if(node->values.begin(), node->values.end(),
                         [&](const auto& v) { return EqualsNoCase(v.first, valueName); });
  if (it == node->values.end()) return reg::kFileNotFound;
  node->values.erase(it);
  return reg::kSuccess;
}

void FakeRegistry::FailCall(Op op, int n) { failIn_[static_cast<size_t>(op)] = n > 0 ? n : 0; }

bool FakeRegistry::Fails(Op op) {
  int& left = failIn_[static_cast<size_t>(op)];
  if (left > 0 && --left == 0) {
    ++injectedFailures_;
    return true;
  }
  return false;
}

long FakeRegistry::CloseKey(RegKey key) {
  Count(Op::CloseKey);
  if (reg::IsRoot(key)) return reg::kSuccess;
  return handles_.erase(key) ? reg::kSuccess : reg::kInvalidHandle;
}

}  // namespace sequora::platform
