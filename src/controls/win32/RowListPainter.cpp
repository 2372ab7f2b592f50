#include "controls/win32/RowListPainter.h"

#include <vssym32.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "ui/win32/Dpi.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/GdiCache.h"
#include "platform/win32/PictureDrawing.h"
#include "platform/win32/ScopedGdi.h"

namespace sequora::controls::win32 {

using ui::win32::ScalePixels;
using ui::win32::ToColorRef;

namespace {

// Keeps a DC's selected font, colours and clipping for the duration of one drawing.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
  ~SavedDc() {
    if (saved_) ::RestoreDC(dc_, saved_);
  }
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;

 private:
  HDC dc_;
  int saved_;
};

bool Is(const std::optional<ElementAt>& at, int row, RowElement kind) { return at && at->row == row && at->kind == kind; }

// A picture's identity for the drawing cache: its glyph name or its pixels' address.
std::string PictureKey(const Picture& picture) {
  if (!picture.Name().empty()) return "n:" + picture.Name();
  return "b:" + std::to_string(reinterpret_cast<std::uintptr_t>(picture.Image()));
}

}  // namespace

void RowListPainter::OpenTheme(HWND hwnd, int dpi) {
  // Theme parts measured at the window's DPI where the system offers it (Windows 10 1703 on).
  using OpenForDpi = HTHEME(WINAPI*)(HWND, LPCWSTR, UINT);
  static const auto openForDpi = reinterpret_cast<OpenForDpi>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("uxtheme.dll"), "OpenThemeDataForDpi")));
  theme_.Reset(openForDpi ? openForDpi(hwnd, L"BUTTON", static_cast<UINT>(dpi)) : ::OpenThemeData(hwnd, L"BUTTON"));
  cache_.Clear();
}

void RowListPainter::Paint(HDC dc, const RECT& client, const RECT& dirty, const ListBoxExtended& list,
                           const PaintState& state, int dpi) {
  ::FillRect(dc, &client, form_.Brush(list.BackColor()));
  if (!list.Frame1.Visible()) return;
  const RECT frame = FrameRect(list, dpi);
  ::FillRect(dc, &frame, form_.Brush(list.Frame1.BackColor()));

  SavedDc saved(dc);
  ::IntersectClipRect(dc, frame.left, frame.top, frame.right, frame.bottom);
  ::SetBkMode(dc, TRANSPARENT);
  RECT band{0, 0, 0, 0};
  if (list.Selected_Background.Visible()) {
    band = ElementRect(list, list.Selected_Background, dpi);
    ::FillRect(dc, &band, form_.Brush(list.Selected_Background.BackColor()));
  }
  const COLORREF frameColour = ToColorRef(list.Frame1.BackColor());
  const COLORREF bandColour = ToColorRef(list.Selected_Background.BackColor());

  for (int row = 0; row < list.InstanceCount(); ++row) {
    const ListBoxRow& r = list.Row(row);
    if (!r.InView) continue;  // rows out of view have every element hidden
    for (int k = 0; k < kRowElementCount; ++k) {
      const auto kind = static_cast<RowElement>(k);
      const ui::Control& element = r.Element(kind);
      if (!element.Visible()) continue;
      RECT box = ElementRect(list, element, dpi), unused;
      if (!::IntersectRect(&unused, &box, &dirty)) continue;
      const bool hot = Is(state.hot, row, kind);
      const bool pressed = Is(state.pressed, row, kind) && hot;
      switch (kind) {
        case RowElement::Text1: TextBox(dc, box, r.Text1, dpi); break;
        case RowElement::Text2: TextBox(dc, box, r.Text2, dpi); break;
        case RowElement::Check1: CheckBox(dc, box, r.Check1, hot, pressed, dpi); break;
        case RowElement::Check2: CheckBox(dc, box, r.Check2, hot, pressed, dpi); break;
        case RowElement::Command1:
        case RowElement::Command2: {
          // The corners of a themed button show what lies under it.
          RECT common;
          const COLORREF under = ::IntersectRect(&common, &box, &band) ? bandColour : frameColour;
          Button(dc, box, kind == RowElement::Command1 ? r.Command1 : r.Command2, hot, pressed, under, dpi);
          break;
        }
        case RowElement::Picture1: PictureBox(dc, box, r.Picture1, dpi); break;
        case RowElement::Picture2: PictureBox(dc, box, r.Picture2, dpi); break;
        case RowElement::Picture3: PictureBox(dc, box, r.Picture3, dpi); break;
        case RowElement::Label1: Label(dc, box, r.Label1); break;
      }
    }
  }

  if (!state.showFocus) return;
  // The keyboard focus: on the row text that has it when that row is the selected one, else on
  // the selected row, else the list. It never stands apart from the highlight.
  RECT focus = frame;
  const int row = list.FocusRow();
  if (row >= 0 && row == list.SelectedRow() && row < list.InstanceCount() &&
      list.Row(row).Element(list.FocusElement()).Visible()) {
    focus = ElementRect(list, list.Row(row).Element(list.FocusElement()), dpi);
  } else if (list.Selected_Background.Visible()) {
    focus = ElementRect(list, list.Selected_Background, dpi);
    ::IntersectRect(&focus, &focus, &frame);
  }
  ::InflateRect(&focus, -1, -1);
  ::SetTextColor(dc, RGB(0, 0, 0));
  ::SetBkColor(dc, RGB(255, 255, 255));
  ::DrawFocusRect(dc, &focus);
}

void RowListPainter::Caption(HDC dc, const ui::Control& element, const std::string& text, RECT box, UINT flags,
                             bool greyed) {
  if (text.empty()) return;
  const platform::win32::ScopedSelect font(dc, form_.Font(element.FontSize(), element.FontBold()));
  ::SetTextColor(dc, greyed ? ::GetSysColor(COLOR_GRAYTEXT) : ToColorRef(element.ForeColor()));
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, flags | DT_NOPREFIX);
}

void RowListPainter::TextBox(HDC dc, RECT box, const ui::TextBox& text, int dpi) {
  ::FillRect(dc, &box, form_.Brush(text.BackColor()));
  if (text.Border()) {
    ::DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  }
  ::InflateRect(&box, -ScalePixels(2, dpi), 0);
  UINT align = text.Alignment() == ui::Align::Right ? DT_RIGHT : text.Alignment() == ui::Align::Center ? DT_CENTER : DT_LEFT;
  Caption(dc, text, text.Text(), box, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS, !text.Enabled());
}

void RowListPainter::Button(HDC dc, RECT box, const ui::Button& button, bool hot, bool pressed, COLORREF under,
                            int dpi) {
  const int state = !button.Enabled() ? PBS_DISABLED : pressed ? PBS_PRESSED : hot ? PBS_HOT : PBS_NORMAL;
  const std::string key = "B|" + PictureKey(button.Picture()) + '|' + button.Caption() + '|' + std::to_string(state) +
                          '|' + std::to_string(ToColorRef(button.ForeColor())) + '|' +
                          std::to_string(button.FontSize()) + (button.FontBold() ? "b" : "") + '|' +
                          std::to_string(dpi) + (theme_ ? "t" : "c");
  cache_.Paint(
      dc, box, key, under, [&](HDC target, const RECT& at) { DrawButton(target, at, button, state, pressed, dpi); },
      button.Picture());
}

void RowListPainter::DrawButton(HDC dc, RECT box, const ui::Button& button, int state, bool pressed, int dpi) {
  const bool disabled = state == PBS_DISABLED;
  RECT content = box;
  if (theme_) {
    ::DrawThemeBackground(theme_.Get(), dc, BP_PUSHBUTTON, state, &box, nullptr);
    ::GetThemeBackgroundContentRect(theme_.Get(), dc, BP_PUSHBUTTON, state, &box, &content);
  } else {
    ::DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    ::InflateRect(&content, -ScalePixels(3, dpi), -ScalePixels(3, dpi));
    if (pressed) ::OffsetRect(&content, 1, 1);
  }
  const int width = content.right - content.left, height = content.bottom - content.top;
  if (!button.Picture().Empty()) {
    RECT picture = content;
    if (!button.Caption().empty()) picture.right = picture.left + std::min(width, height);  // glyph, then caption
    const int size = std::min(picture.right - picture.left, picture.bottom - picture.top);
    picture.left += (picture.right - picture.left - size) / 2;
    picture.top += (height - size) / 2;
    picture.right = picture.left + size;
    picture.bottom = picture.top + size;
    platform::win32::DrawPicture(dc, picture, button.Picture(), disabled);
    content.left = button.Caption().empty() ? content.left : picture.right + ScalePixels(4, dpi);
  }
  Caption(dc, button, button.Caption(), content, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS, disabled);
}

void RowListPainter::CheckBox(HDC dc, RECT box, const ui::CheckBox& check, bool hot, bool pressed, int dpi) {
  ::FillRect(dc, &box, form_.Brush(check.BackColor()));
  const bool disabled = !check.Enabled();
  const bool ticked = check.Value() != 0;
  SIZE glyph{ScalePixels(13, dpi), ScalePixels(13, dpi)};
  int state = 0;
  if (theme_) {
    state = ticked ? (disabled ? CBS_CHECKEDDISABLED : pressed ? CBS_CHECKEDPRESSED : hot ? CBS_CHECKEDHOT : CBS_CHECKEDNORMAL)
                   : (disabled ? CBS_UNCHECKEDDISABLED : pressed ? CBS_UNCHECKEDPRESSED
                                                       : hot ? CBS_UNCHECKEDHOT : CBS_UNCHECKEDNORMAL);
    ::GetThemePartSize(theme_.Get(), dc, BP_CHECKBOX, state, nullptr, TS_DRAW, &glyph);
  }
  RECT mark{box.left, box.top + (box.bottom - box.top - glyph.cy) / 2, 0, 0};
  mark.right = mark.left + glyph.cx;
  mark.bottom = mark.top + glyph.cy;
  if (theme_) {
    ::DrawThemeBackground(theme_.Get(), dc, BP_CHECKBOX, state, &mark, nullptr);
  } else {
    ::DrawFrameControl(dc, &mark, DFC_BUTTON,
                       DFCS_BUTTONCHECK | (ticked ? DFCS_CHECKED : 0) | (disabled ? DFCS_INACTIVE : 0));
  }
  RECT text = box;
  text.left = mark.right + ScalePixels(4, dpi);
  Caption(dc, check, check.Caption(), text, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS, disabled);
}

void RowListPainter::PictureBox(HDC dc, RECT box, const ui::PictureBox& picture, int dpi) {
  if (picture.Picture().Empty() && !picture.Border()) {
    ::FillRect(dc, &box, form_.Brush(picture.BackColor()));
    return;
  }
  const bool greyed = !picture.Enabled();
  const std::string key = "P|" + PictureKey(picture.Picture()) + (greyed ? "|g" : "|") + (picture.Border() ? "e|" : "|") +
                          std::to_string(dpi);
  cache_.Paint(
      dc, box, key, ToColorRef(picture.BackColor()),
      [&](HDC target, const RECT& at) {
        RECT inner = at;
        if (picture.Border()) ::DrawEdge(target, &inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        platform::win32::DrawPicture(target, inner, picture.Picture(), greyed);
      },
      picture.Picture());
}

void RowListPainter::Label(HDC dc, RECT box, const ui::Label& label) {
  if (!label.Transparent()) ::FillRect(dc, &box, form_.Brush(label.BackColor()));
  UINT align = label.Alignment() == ui::Align::Right ? DT_RIGHT : label.Alignment() == ui::Align::Center ? DT_CENTER : DT_LEFT;
  Caption(dc, label, label.Caption(), box, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS, !label.Enabled());
}

}  // namespace sequora::controls::win32
