// The list frame ListFrame: the program list and its two filter boxes, as wide as the window or
// narrow beside a side panel (the entry editor Frame2 or the settings Frame1), and as tall as the
// window unless the status text Text1 is shown below it. Closing the side panel.
#include "base/StringOps.h"
#include "forms/main/Form1.h"

namespace sequora::forms {

namespace {
constexpr int kMargin = 120;      // between the frames, and to the window's edges
constexpr int kInnerSide = 100;   // the list to the frame's sides
constexpr int kInnerTop = 300;    // below the frame's caption
constexpr int kFilterHeight = 285;
constexpr int kFilterBottom = 105;  // the filter boxes above the frame's lower edge
constexpr int kFilterGap = 75;      // between the list and the filter boxes
constexpr int kFilterWidth = 1800;
}  // namespace

void Form1::ArrangeListFrame() {
  // Frame2 and Frame1 share one place on the right; Text1 spans the window's width at the bottom.
  const bool sidePanel = settingsPanel.Visible() || editor.Visible();
  const int left = ListFrame.Left();
  const int right = sidePanel ? editor.Left() - kMargin : editor.Left() + editor.Width();
  const int bottom = Text1.Visible() ? Text1.Top() - kMargin : Text1.Top() + Text1.Height();
  const int width = right - left;
  const int height = bottom - ListFrame.Top();
  ListFrame.Move(left, ListFrame.Top(), width, height);

  const int filterTop = height - kFilterBottom - kFilterHeight;
  HideEmptyCheck.Move(kInnerSide + 60, filterTop, kFilterWidth, kFilterHeight);
  OnlyActiveCheck.Move(kInnerSide + 60 + kFilterWidth + kMargin, filterTop, kFilterWidth, kFilterHeight);
  controls::ListBoxExtended& list = ListBoxExtended1;
  const int oldHeight = list.Height();
  list.Move(kInnerSide, kInnerTop, width - 2 * kInnerSide, filterTop - kFilterGap - kInnerTop);
  if (list.Height() == oldHeight) return;
  // The rows in view were placed for the old height: place them again from the same first row.
  for (int row = 0; row < list.GetListCount(); ++row) {
    if (!list.Row(row).InView) continue;
    list.RedrawList(list.EntryOfRow(row), list.TopRow());
    break;
  }
}

void Form1::CloseFrameBtn_Click() {
  // Unsaved changes in the editor are offered for saving; a save that fails keeps the panel open.
  if (!editor.OfferToSave()) return;
  editor.SetVisible(false);
  settingsPanel.SetVisible(false);
  CloseFrameBtn.SetVisible(false);
  Text1.SetVisible(false);
  ArrangeListFrame();
  Command11.SetEnabled(true);
  // The editor shows its entry again as stored: what was typed and not saved is dropped.
  ShowEntryInEditor(ToInt16(editor.Text4.Text()).value_or(0));
}

}  // namespace sequora::forms
