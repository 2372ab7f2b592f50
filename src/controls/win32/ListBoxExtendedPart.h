#pragma once
// The Win32 part of the row list control: one child window with the system's vertical scroll bar,
// painting the rows in view itself (double-buffered), plus one tool-tip window. However long the
// list, the control holds these two window handles; no row element becomes a window.
//
// Mouse: a press on a row text gives it the focus; buttons, check boxes, pictures and the label act
// when the button is released over them (as native controls do). Keys: Up, Down, Page Up, Page
// Down, Home and End move the selection, Enter and Space run the selected row's button (the model
// says how); the wheel scrolls by the system's wheel setting.
#include <windows.h>

#include <optional>
#include <string>

#include "controls/ListBoxExtended.h"
#include "controls/win32/RowListGeometry.h"
#include "controls/win32/RowListPainter.h"
#include "platform/win32/UniqueHandle.h"
#include "ui/win32/SurfaceWindow.h"
#include "ui/win32/UserControls.h"

namespace sequora::controls::win32 {

// Makes the renderer show every ListBoxExtended through ListBoxExtendedPart. Call once at
// start-up, before the first form is loaded.
void RegisterListBoxExtendedPart();

class ListBoxExtendedPart : public ui::win32::UserControlPart, public ui::win32::SurfaceWindow {
 public:
  static constexpr const char* kClassName = "SequoraRowList";

  ListBoxExtendedPart(ListBoxExtended& list, ui::win32::FormWindow& form);
  ~ListBoxExtendedPart() override;

  // UserControlPart
  HWND Create(HWND parent, const RECT& rect, int id) override;
  void Update(ui::Property what) override;
  void DpiChanged(int dpi) override;

  HWND ToolTipHandle() const { return toolTip_.Get(); }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  int Dpi() const;
  void Invalidate();
  void SyncScrollBar();
  void SyncScrollBarWidth();
  void OnVScroll(int code);
  void OnWheel(int delta);
  bool OnKey(WPARAM key);
  void OnButtonDown(POINT point);
  void OnButtonUp(POINT point);
  void OnMouseMove(POINT point);
  void OnKillFocus(HWND next);
  bool OnToolTipText(NMHDR& header);
  void Paint(HDC dc, const RECT& client);

  ListBoxExtended& list_;
  ui::win32::FormWindow& formWindow_;
  RowListPainter painter_;
  platform::win32::UniqueWindow toolTip_;
  std::optional<ElementAt> hot_;
  std::optional<ElementAt> pressed_;
  bool paintPending_ = false;
  std::string windowText_;  // the selected row's text, as last given to the window
  bool scrollPending_ = false;  // the model's scroll range or value changed since the last paint
  int wheelRest_ = 0;
  std::string tipText_;
  std::wstring tipTextWide_;
  struct ScrollState {
    int min = 0, max = -1, page = 0, pos = -1;
    bool operator==(const ScrollState&) const = default;
  } shownScroll_;
};

}  // namespace sequora::controls::win32
