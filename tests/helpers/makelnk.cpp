// helper_makelnk.exe LINK TARGET [ARGUMENTS [FOLDER]]: writes the shortcut file LINK to TARGET
// with the system's shell-link object, as Explorer would make it. An end-to-end test makes the
// shortcut it lists with it. Exit code 0 when the file was written.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "platform/win32/ComPtr.h"

using sequora::platform::win32::ComPtr;

namespace {

class Com {
 public:
  Com() : ok_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~Com() {
    if (ok_) ::CoUninitialize();
  }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  bool ok() const { return ok_; }

 private:
  bool ok_;
};

bool Write(const char* linkPath, const char* target, const char* arguments, const char* folder) {
  ComPtr<IShellLinkA> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.PutVoid())))
    return false;
  if (FAILED(link->SetPath(target)) || FAILED(link->SetArguments(arguments)) ||
      FAILED(link->SetWorkingDirectory(folder)))
    return false;
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) return false;
  wchar_t wide[MAX_PATH];
  if (::MultiByteToWideChar(CP_ACP, 0, linkPath, -1, wide, MAX_PATH) == 0) return false;
  return SUCCEEDED(file->Save(wide, TRUE));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  Com com;
  if (!com.ok()) return 1;
  return Write(argv[1], argv[2], argc > 3 ? argv[3] : "", argc > 4 ? argv[4] : "") ? 0 : 1;
}
