#pragma once
// ListBoxExtended: the row list control that shows the program list in the main window. Each row is
// a strip of small elements side by side (two texts, two check boxes, two buttons, three pictures
// and a label); the host adds one entry per list slot, in order, and later changes single elements
// of a row by the entry's number.
//
// How it is built:
//  - Entries and rows are numbered apart: an entry whose first text is blank gets no row while
//    HideEmpty is set. IndexMap translates (element k describes entry k; its Row is -1 when the
//    entry has no row). Row numbers of the entries in use are 0..RowCount-1, in entry order.
//  - The row elements are ordinary ui models (ui::TextBox, ...), so that the host can read and
//    recolour what Get_ControlText / Get_ControlPicture hand out. They live on internal surfaces
//    (ui::Form objects that are never shown: one for Frame1, Selected_Background and VScroll1, one
//    per row), never on the host's form, so the renderer makes no windows for them. The control's
//    Win32 part (controls/win32) paints the rows itself and turns mouse and keys into the
//    user-action methods below.
//  - Row 0 is the design instance: it exists from the start and survives ClearAll; rows 1 and up
//    are created when the host adds entries and destroyed by ClearAll. Pointers handed out by the
//    Get_Control... operations stay valid until the next ClearAll.
//  - No events: user actions on a row call the host's E_ListBox_ procedures (ListBoxHost) with the
//    row's entry number. The host call is always the last thing an action does, because the host
//    may refill the whole list from inside it.
//  - All failures are message boxes titled "Sequora" with an OK button, or silent where an entry
//    number is negative (the host ignores those failures). Positions and sizes are twips.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/ListBoxHost.h"
#include "controls/ListBoxRow.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace sequora::platform {
class Dialogs;
}

namespace sequora::controls {

struct IndexMapEntry {
  int Entry = 0;  // the entry number, equal to the element's own position
  int Row = 0;    // the row showing the entry, -1 when it has none
};

struct ElementPlace {
  int Position = 0;  // column 1 (leftmost) to 10
  bool Shown = true; // false when Position < 1: the kind is hidden in every row
};

// Widths and offsets that the row layout reads (twips). Index 0..2 stands for picture 1..3.
struct RowGeometry {
  std::array<int, 3> PicTop{0, 0, 0};
  std::array<int, 3> PicLeft{20, 20, 20};
  std::array<int, 3> PicWidth{};
  std::array<int, 3> PicHeight{};
  int Text1Width = 400;
  int Text2Width = 200;
  int LabelTop = 0;
  int LabelLeft = 20;  // kept, not read by the layout
  int LabelWidth = 0;  // kept, not read by the layout
};

class ListBoxExtended : public ui::UserControl {
 public:
  static constexpr const char* kTypeName = "ListBoxExtended";
  static constexpr int RowHeight = 620;      // vertical pitch of the rows
  static constexpr int kRowsPerPage = 7;     // the scroll range leaves the last page
  static constexpr int kRowStartX = 10;
  static constexpr int kParkedTop = -1000;   // Selected_Background out of view
  static constexpr ui::Colour kHighlightColour = ui::kButtonFace;
  static constexpr ui::Colour kNormalColour = ui::kWhite;

  ListBoxExtended(ui::Form& host, std::string name, platform::Dialogs& dialogs);
  ~ListBoxExtended() override;

  void SetHost(ListBoxHost* host) { host_ = host; }
  // Moves a window with the mouse (the window drag of the shell helpers); set by whoever shows the
  // control. SendMouseMoveToForm does nothing while it is unset.
  std::function<void(ui::Form& target)> StartWindowDrag;

  // Fixed child controls. Positions of row elements are relative to Frame1.
 private:
  ui::Form designSurface_{"ListBoxExtended"};  // never shown; declared before every element

 public:
  ui::Frame Frame1{designSurface_, "Frame1"};
  ui::Label Selected_Background{designSurface_, "Selected_Background"};
  ui::ScrollBar VScroll1{designSurface_, "VScroll1"};

  // --- Operations of the host ---

  void Add_NewListentry(int ProgrNr, const std::string& NewText1, const std::string& NewText2,
                        const std::string& NewCheck1, const std::string& NewCheck2,
                        const std::string& NewButton1, const std::string& NewButton2, const Picture& NewIcon,
                        const Picture& NewPicture1, const Picture& NewPicture2,
                        const std::string& Label1_Caption, bool Redraw);
  // Not built: says so and changes nothing.
  void Update_ListEntry(int ProgrNr, const std::string& NewText1, const std::string& NewText2,
                        const std::string& NewCheck1, const std::string& NewCheck2,
                        const std::string& NewButton1, const std::string& NewButton2, const Picture& NewIcon,
                        const Picture& NewPicture1, const Picture& NewPicture2,
                        const std::string& Label1_Caption, bool Redraw);
  void Set_HideEmpty(bool Hide) { hideEmpty_ = Hide; }
  // Shows the rows from the row of MyListIndexExtern on (or from the selected row).
  void RedrawList(int MyListIndexExtern, int StartNR);
  int GetIndex();
  // IndexIntern >= -1 is taken as the row; below that the row of ListindexExtern is looked up.
  void SetHighlight(int ListindexExtern, int IndexIntern = -2);
  void Set_ListIndex(int ExternerIndex_0to, bool Redraw = false);
  int Get_INTERNALListIndex(int ExternerIndex_0to);
  // Column (1..10) of each element kind; below 1 hides the kind.
  void SetPositions(int Text1_Position_1_to_10 = 2, int Text2_Position_1_to_10 = 8, int Check1_Position_1_to_10 = 4,
                    int Check2_Position_1_to_10 = 7, int Button1_Position_1_to_10 = 4,
                    int Button2_Position_1_to_10 = 9, int Pic1_Icon_Position_1_to_10 = 1,
                    int Pic2_Position_1_to_10 = 3, int Pic3_Position_1_to_10 = 6, int Label1_Position_1_to_10 = 10);
  void SetTextBoxPosSize(int TextboxNr_1_to_2, int Width, int Borderstyle = -1);
  void SetPicturePosSize(int PictureNr, int Top = -1, int Left = -1, int Height = -1, int Width = -1);
  void SetButtonPosSize(int ButtonNr1_2, int Width = -1, int Height = -1);
  void SetLabelPosSize(int LabelNr, int Top = -1, int Left = -1, int Width = -1, int Height = -1);
  void SendMouseMoveToForm(ui::Form& TargetForm, int Button, int Shift, int X, int Y);

  // Single elements of a row. Nr / ExternalIndex >= 0 is an entry number; negative means the
  // selected row.
  void SetButton1Picture(const Picture& Picture, int ExternalIndex = -1);
  void SetText1(const std::string& NewText, int ExternalIndex = -1);
  void SetText2(const std::string& NewText, int Nr = -1);
  void SetPicture1(const Picture& NewPicture, int Nr = -1);
  void SetPicture2(const Picture& NewPicture, int Nr = -1);
  void SetPicture3(const Picture& NewPicture, int Nr = -1);
  Picture GetPicture1(int Nr = -1);
  Picture GetPicture2(int Nr = -1);
  Picture GetPicture3(int Nr = -1);
  std::string GetLabel1(int Nr = -1);
  std::string GetText1(int Nr = -1);
  std::string GetText2(int Nr = -1);
  int GetCheck1(int Nr = -1);
  int GetCheck2(int Nr = -1);

  // True when both indexes are >= 0; otherwise shows the index error message.
  bool INDEX_OK(int Index, int ExternalIndex, int ControlID);
  int GetListCount() const { return rowCount_; }
  void Set__BackColor(ui::Colour Color);
  void ClearAll(int NewSize = 0);

  void PictureToolTip(int ObjectNr, int Index, const std::string& Text);
  void TextToolTip(int ObjectNr, int Index, const std::string& Text);
  void CheckToolTip(int ObjectNr, int Index, const std::string& Text);
  void ButtonToolTip(int ObjectNr, int Index, const std::string& Text);
  // The row's element itself, nullptr for another ObjectNr or an entry without row.
  ui::TextBox* Get_ControlText(int ObjectNr, int Index_Extern);
  ui::PictureBox* Get_ControlPicture(int ObjectNr, int Index);
  ui::CheckBox* Get_ControlCheck(int ObjectNr, int Index);
  ui::Button* Get_ControlButton(int ObjectNr, int Index);

  // --- User actions (from the Win32 part, or a test standing in for the user) ---

  // A click on an element of the row: it takes the focus from a row text and selects and
  // highlights the row; buttons, pictures and check boxes then call the host, a label nothing. A
  // click on a text box calls nothing (see UserFocus).
  void UserClick(int row, RowElement element);
  // Text1 or Text2 of the row gets the keyboard focus (any other element: the focus leaves the
  // row texts and rests on the control itself).
  void UserFocus(int row, RowElement element);
  // The focus went to another control of the window.
  void UserFocusLeft();
  // A key pressed while the control has the focus (Windows virtual-key codes): Up, Down, Page Up,
  // Page Down, Home and End move the selection (the row comes into view, the host hears of it as
  // of its Text1 getting the focus); Enter and Space press the selected row's Command1.
  void UserKeyDown(int keyCode);
  // Scrolls to a value, clamped to the scroll range (wheel, page keys, the scroll bar's thumb).
  void ScrollTo(int value);
  // Row and kind of the text box that has the focus; row -1 when none has it.
  int FocusRow() const { return focusRow_; }
  RowElement FocusElement() const { return focusElement_; }

  // To be called when the control's size changed: places VScroll1 and Frame1. The layout also
  // notices a new size by itself.
  void Resize();

  // --- State ---

  const std::vector<IndexMapEntry>& IndexMap() const { return indexMap_; }
  int TopRow() const { return topRow_; }
  ui::Colour BackColour() const { return backColour_; }
  bool HideEmpty() const { return hideEmpty_; }
  int RowCount() const { return rowCount_; }
  int EntryCount() const { return entryCount_; }
  int SelectedRow() const { return selectedRow_; }
  const std::array<ElementPlace, kRowElementCount>& ElementLayout() const { return elementLayout_; }
  const RowGeometry& Geometry() const { return geometry_; }
  // Rows that exist as elements (at least row 0, which survives ClearAll).
  int InstanceCount() const { return static_cast<int>(rows_.size()); }
  ListBoxRow& Row(int row) { return *rows_[static_cast<size_t>(row)]; }
  const ListBoxRow& Row(int row) const { return *rows_[static_cast<size_t>(row)]; }

  // --- The row map ---

  // Row of an entry, -1 when it has none; nullopt (a failure: the caller stops, silently) for a
  // negative entry.
  std::optional<int> FindRow(int entry);
  // Entry shown by a row, -1 when none; a row beyond RowCount is reported.
  int EntryOfRow(int row);
  void SelectRow(int row) { selectedRow_ = row; }
  // Gives an entry a row; -1 when it gets none, nullopt on a negative entry.
  std::optional<int> AllocateRow(int entry, bool isEmpty);

 private:
  class ElementWatch;

  void ShowMessage(const std::string& text);
  // Row of Nr for the element operations: an entry number, or the selected row when negative.
  std::optional<int> ResolveRow(int Nr);
  // ResolveRow + INDEX_OK(row, row, controlId): the row to act on, or nullptr.
  ListBoxRow* CheckedRow(int Nr, int controlId);
  // FindRow + INDEX_OK(row, objectNr, controlId) for the tool-tip and control-access operations.
  ListBoxRow* CheckedObjectRow(int objectNr, int Index, int controlId);
  ListBoxRow& CreateRow(int row);
  void LayoutRow(ListBoxRow& row);
  int PlaceColumns(ListBoxRow& row, int text1Width);
  void UpdateScrollRange();
  void SyncScrollValue(int firstRow);
  void OnScroll();
  int FirstRowInView() const;
  void BringIntoView(int row);
  void SyncSize();
  void Watch(ui::Control& control);
  void NotifyHost(int row, RowElement element);

  platform::Dialogs& dialogs_;
  ListBoxHost* host_ = nullptr;
  std::unique_ptr<ElementWatch> watch_;
  std::vector<std::unique_ptr<ListBoxRow>> rows_;

  std::vector<IndexMapEntry> indexMap_;
  int topRow_ = 0;
  ui::Colour backColour_ = ui::kWhite;
  bool hideEmpty_ = false;
  int rowCount_ = 0;
  int entryCount_ = 0;
  int selectedRow_ = -1;
  std::array<ElementPlace, kRowElementCount> elementLayout_{};
  RowGeometry geometry_;

  int focusRow_ = -1;
  RowElement focusElement_ = RowElement::Text1;
  bool scrollFromLayout_ = false;  // the layout moves the scroll value: no second redraw
  int knownWidth_ = -1, knownHeight_ = -1;
};

}  // namespace sequora::controls
