// ListBox (LISTBOX) and ComboBox (COMBOBOX, drop-down list): the items and the selected index
// follow the model; the user's choice reaches it through RaiseSelect.
#include <windows.h>

#include <commctrl.h>

#include "ui/win32/Dpi.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/Parts.h"

namespace sequora::ui::win32 {

namespace {

struct ListMessages {
  bool listBox;
  UINT reset, add, setSel, getSel;
  int selChange;
};
constexpr ListMessages kListBox{true, LB_RESETCONTENT, LB_ADDSTRING, LB_SETCURSEL, LB_GETCURSEL, LBN_SELCHANGE};
constexpr ListMessages kComboBox{false, CB_RESETCONTENT, CB_ADDSTRING, CB_SETCURSEL, CB_GETCURSEL, CBN_SELCHANGE};

class ItemListPart : public ControlPart {
 public:
  ItemListPart(FormWindow& form, ItemList& list, const ListMessages& messages)
      : ControlPart(form, list), list_(list), messages_(messages) {}

 protected:
  void ApplyAll() override { Update(Property::Items); }
  void Update(Property what) override {
    HWND hwnd = Handle();
    if (what == Property::Items) {
      ::SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0);
      ::SendMessageA(hwnd, messages_.reset, 0, 0);
      for (const std::string& item : list_.Items())
        ::SendMessageA(hwnd, messages_.add, 0, reinterpret_cast<LPARAM>(item.c_str()));
      ::SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
      ::InvalidateRect(hwnd, nullptr, TRUE);
      what = Property::Selection;
    }
    if (what == Property::Selection) ::SendMessageA(hwnd, messages_.setSel, static_cast<WPARAM>(list_.ListIndex()), 0);
  }
  void OnCommand(int code) override {
    if (code == messages_.selChange) {
      list_.RaiseSelect(static_cast<int>(::SendMessageA(Handle(), messages_.getSel, 0, 0)));
    } else if (code == LBN_DBLCLK && messages_.listBox) {
      static_cast<ListBox&>(list_).RaiseDblClick();
    }
  }

  ItemList& list_;
  const ListMessages& messages_;
};

class ListBoxPart : public ItemListPart {
 public:
  ListBoxPart(FormWindow& form, ListBox& list) : ItemListPart(form, list, kListBox) {}

 protected:
  HWND CreateWindowIn(HWND parent, const RECT& rect, int id) override {
    return CreateChild("LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                       WS_EX_CLIENTEDGE, "", parent, rect, id);
  }
};

class ComboBoxPart : public ItemListPart {
 public:
  ComboBoxPart(FormWindow& form, ComboBox& combo) : ItemListPart(form, combo, kComboBox) {}

 protected:
  HWND CreateWindowIn(HWND parent, const RECT& rect, int id) override {
    HWND hwnd = CreateChild("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", parent, rect, id);
    if (hwnd) ::SendMessageA(hwnd, CB_SETMINVISIBLE, kVisibleItems, 0);
    return hwnd;
  }
  // The window of a drop-down list includes its list; the selection field takes its height from
  // the font.
  RECT WindowRect() const override {
    RECT r = PixelRect();
    r.bottom = r.top + ScalePixels(kVisibleItems * 18 + 24, Dpi());
    return r;
  }

 private:
  static constexpr int kVisibleItems = 12;
};

}  // namespace

std::shared_ptr<ControlPart> MakeListBoxPart(FormWindow& form, ListBox& list) {
  return std::make_shared<ListBoxPart>(form, list);
}

std::shared_ptr<ControlPart> MakeComboBoxPart(FormWindow& form, ComboBox& combo) {
  return std::make_shared<ComboBoxPart>(form, combo);
}

}  // namespace sequora::ui::win32
