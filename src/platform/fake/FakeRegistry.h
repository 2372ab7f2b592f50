#pragma once
// In-memory registry for the tests: a tree of keys under the seven predefined roots, key names
// case-insensitive and keeping their case, sub-keys enumerated in name order and values in the
// order they were first written (as Windows does), typed values as raw bytes. It counts every
// call, tracks open handles (so a test can check that every key was closed), can refuse to open
// a key, can end an enumeration early with an error and can fail chosen writes and deletes.
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Registry.h"

namespace sequora::platform {

class FakeRegistry : public Registry {
 public:
  enum class Op {
    OpenKey, OpenKeyEx, CreateKey, EnumKey, EnumValue, QueryValue, SetValue, DeleteValue,
    CloseKey, kCount
  };
  struct Value {
    std::uint32_t type = reg::kTypeString;
    std::vector<std::uint8_t> data;
  };

  FakeRegistry();
  ~FakeRegistry() override;

  // --- set-up and inspection (not counted). Paths are full: "HKEY_CURRENT_USER\Software\X". ---
  bool MakeKey(const std::string& path);
  // A REG_SZ / REG_EXPAND_SZ value with its terminating zero stored, as Windows programs write it.
  bool PutString(const std::string& keyPath, const std::string& name, const std::string& text,
                 std::uint32_t type = reg::kTypeString);
  bool PutDword(const std::string& keyPath, const std::string& name, std::uint32_t value);
  bool PutValue(const std::string& keyPath, const std::string& name, Value value);
  std::optional<Value> GetValue(const std::string& keyPath, const std::string& name) const;
  bool KeyExists(const std::string& path) const;
  // Opening this key (OpenKey, OpenKeyEx, CreateKey) fails with kAccessDenied.
  void DenyOpen(const std::string& path);
  // Enumerating keys or values of this key fails with `code` from `index` on.
  void BreakEnumeration(const std::string& path, std::uint32_t index, long code = reg::kAccessDenied);

  int Calls(Op op) const { return calls_[static_cast<size_t>(op)]; }
  void ResetCalls() { calls_.fill(0); }
  // The n-th SetValue or DeleteValue from now (1 = the next) fails with kAccessDenied and changes
  // nothing; 0 switches it off. Other ops are not failed this way.
  void FailCall(Op op, int n);
  // Calls failed by FailCall so far.
  int InjectedFailures() const { return injectedFailures_; }
  // Handles opened or created and not closed yet (roots are never counted).
  int OpenHandles() const { return static_cast<int>(handles_.size()); }

  // --- Registry ---
  long OpenKey(RegKey parent, const std::string& subKey, RegKey& result) override;
  long OpenKeyEx(RegKey parent, const std::string& subKey, std::uint32_t options,
                 std::uint32_t access, RegKey& result) override;
  long CreateKey(RegKey parent, const std::string& subKey, RegKey& result) override;
  long EnumKey(RegKey key, std::uint32_t index, std::span<char> name) override;
  long EnumValue(RegKey key, std::uint32_t index, std::span<char> name, std::uint32_t& nameLength,
                 std::uint32_t* type, std::span<std::uint8_t> data, std::uint32_t& dataSize) override;
  long QueryValue(RegKey key, const std::string& valueName, std::uint32_t* type,
                  std::span<std::uint8_t> data, std::uint32_t& dataSize) override;
  long SetValue(RegKey key, const std::string& valueName, std::uint32_t type,
                std::span<const std::uint8_t> data) override;
  long DeleteValue(RegKey key, const std::string& valueName) override;
  long CloseKey(RegKey key) override;

 private:
  struct Node;
  Node* NodeOf(RegKey key) const;
  Node* Walk(Node* from, const std::string& subKey, bool create, long& error) const;
  Node* FindPath(const std::string& path) const;
  Node* MakePath(const std::string& path);
  long Open(Op op, RegKey parent, const std::string& subKey, bool create, RegKey& result);
  void Count(Op op) { ++calls_[static_cast<size_t>(op)]; }
  bool Fails(Op op);  // counts down a FailCall; true on the call that must fail

  std::map<RegKey, std::unique_ptr<Node>> roots_;
  std::map<RegKey, Node*> handles_;
  RegKey nextHandle_ = 0x1000;
  std::array<int, static_cast<size_t>(Op::kCount)> calls_{};
  std::array<int, static_cast<size_t>(Op::kCount)> failIn_{};
  int injectedFailures_ = 0;
};

}  // namespace sequora::platform
