#pragma once
// The GDI objects this process holds. GetGuiResources answers on Windows; Wine answers 0, so
// there the entries of the GDI handle table (the PEB's GdiSharedHandleTable, 24-byte entries as
// on 64-bit Windows: object, owner process id, stock flag, type, ...) are counted instead: every
// entry in use that is not a stock object (Wine's table is the process's own and leaves the
// owner 0). For the figure programs only.
#include <windows.h>

#include <cstdint>

namespace sequora::figures {

inline unsigned long GdiObjectsOfProcess() {
  const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return reported;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"  // the compiler's view of the gs-relative read
  const auto* teb = reinterpret_cast<const unsigned char*>(NtCurrentTeb());
#pragma GCC diagnostic pop
  const auto* peb = *reinterpret_cast<const unsigned char* const*>(teb + 0x60);  // TEB.ProcessEnvironmentBlock
  const auto* table = *reinterpret_cast<const unsigned char* const*>(peb + 0xF8);  // GdiSharedHandleTable
  if (!table) return 0;
  const auto pid = static_cast<std::uint16_t>(::GetCurrentProcessId());
  unsigned long count = 0;
  for (int i = 0; i < 0x10000; ++i) {
    const unsigned char* entry = table + static_cast<std::size_t>(i) * 24;
    const auto owner = *reinterpret_cast<const std::uint16_t*>(entry + 8);
    const bool stock = (entry[12] & 0x80) != 0;
    const unsigned char type = entry[14];
    if (type != 0 && !stock && (owner == pid || owner == 0)) ++count;
  }
  return count;
}

}  // namespace sequora::figures
