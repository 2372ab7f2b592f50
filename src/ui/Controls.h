#pragma once
// The control kinds of Sequora's windows. See Control.h for the conventions they share.
#include <vector>

#include "ui/Control.h"
#include "base/Picture.h"

namespace sequora::ui {

enum class Align { Left, Right, Center };

class Label : public Control {
 public:
  Label(Form& form, std::string name) : Control(form, std::move(name), Kind::Label) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  Align Alignment() const { return align_; }
  void SetAlignment(Align a);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool t);
  // "&" marks the Alt key of the control after the label (the field it names); off by default,
  // since most labels show program paths, which may contain "&".
  bool UseMnemonic() const { return useMnemonic_; }
  void SetUseMnemonic(bool m);

  std::function<void()> Click;
  void RaiseClick() {
    if (Click) Click();
  }
  // Raised after every change of the caption (the countdown in the list row follows Label1).
  std::function<void()> Change;

 private:
  std::string caption_;
  Align align_ = Align::Left;
  bool transparent_ = false;
  bool useMnemonic_ = false;
};

class TextBox : public Control {
 public:
  TextBox(Form& form, std::string name) : Control(form, std::move(name), Kind::TextBox) {
    SetBackColor(kWhite);
  }
  const std::string& Text() const { return text_; }
  // Raises Change when the text differs.
  void SetText(std::string text);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool m);
  bool Locked() const { return locked_; }  // read-only for the user
  void SetLocked(bool l);
  bool Border() const { return border_; }
  void SetBorder(bool b);
  Align Alignment() const { return align_; }
  void SetAlignment(Align a);

  std::function<void()> Change;
  // Key pressed while the box has the focus (Windows virtual-key code, e.g. 38 Up, 40 Down).
  std::function<void(int keyCode)> KeyDown;
  // From the renderer: the user changed the text.
  void RaiseTextChanged(std::string text);
  void RaiseKeyDown(int keyCode) {
    if (KeyDown) KeyDown(keyCode);
  }

 private:
  std::string text_;
  bool multiLine_ = false;
  bool locked_ = false;
  bool border_ = true;
  Align align_ = Align::Left;
};

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name) : Control(form, std::move(name), Kind::CheckBox) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  int Value() const { return value_; }  // 0 unticked, 1 ticked
  // Raises Click when the value differs (as a user's click would).
  void SetValue(int value);
  std::function<void()> Click;
  // From the renderer: the user clicked; toggles the value and raises Click.
  void RaiseClick() { SetValue(value_ == 0 ? 1 : 0); }

 private:
  std::string caption_;
  int value_ = 0;
};

class Button : public Control {
 public:
  Button(Form& form, std::string name) : Control(form, std::move(name), Kind::Button) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  const sequora::Picture& Picture() const { return picture_; }
  void SetPicture(sequora::Picture picture);
  bool IsDefault() const { return default_; }  // Enter presses it
  void SetDefault(bool d);
  bool IsCancel() const { return cancel_; }  // Esc presses it
  void SetCancel(bool c);

  std::function<void()> Click;
  // Press the button: what a user's click (or the renderer) does.
  void RaiseClick() {
    if (Click) Click();
  }

 private:
  std::string caption_;
  sequora::Picture picture_;
  bool default_ = false;
  bool cancel_ = false;
};

// Shared by ListBox and ComboBox: a list of texts with one selected index (-1 = none).
class ItemList : public Control {
 public:
  using Control::Control;
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int index) const;  // "" outside the list
  void SetList(int index, std::string text);
  void AddItem(std::string text);
  void RemoveItem(int index);
  void Clear();
  // Replaces every item at once (one change for the view); no row stays selected, as after Clear.
  void SetItems(std::vector<std::string> items);
  const std::vector<std::string>& Items() const { return items_; }
  int ListIndex() const { return listIndex_; }
  // Raises Click when the index differs (also when set from code); out of range: no change.
  void SetListIndex(int index);
  std::function<void()> Click;
  // From the renderer: the user picked a row.
  void RaiseSelect(int index) { SetListIndex(index); }

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

class ListBox : public ItemList {
 public:
  ListBox(Form& form, std::string name) : ItemList(form, std::move(name), Kind::ListBox) {
    SetBackColor(kWhite);
  }
  std::function<void()> DblClick;
  void RaiseDblClick() {
    if (DblClick) DblClick();
  }
};

// A drop-down list (the user picks, cannot type).
class ComboBox : public ItemList {
 public:
  ComboBox(Form& form, std::string name) : ItemList(form, std::move(name), Kind::ComboBox) {
    SetBackColor(kWhite);
  }
};

class PictureBox : public Control {
 public:
  PictureBox(Form& form, std::string name) : Control(form, std::move(name), Kind::PictureBox) {}
  const sequora::Picture& Picture() const { return picture_; }
  void SetPicture(sequora::Picture picture);
  bool Border() const { return border_; }
  void SetBorder(bool b);
  std::function<void()> Click;
  void RaiseClick() {
    if (Click) Click();
  }

 private:
  sequora::Picture picture_;
  bool border_ = false;
};

// A container with an optional caption; its children's positions are relative to it.
class Frame : public Control {
 public:
  Frame(Form& form, std::string name) : Control(form, std::move(name), Kind::Frame) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Border() const { return border_; }
  void SetBorder(bool b);
  // Puts `child` into this frame at the given place (twips, relative to the frame).
  void Place(Control& child, int left, int top, int width, int height);

 private:
  std::string caption_;
  bool border_ = true;
};

class ScrollBar : public Control {
 public:
  ScrollBar(Form& form, std::string name, bool vertical = true)
      : Control(form, std::move(name), Kind::ScrollBar), vertical_(vertical) {}
  bool Vertical() const { return vertical_; }
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Value() const { return value_; }
  int SmallChange() const { return smallChange_; }
  int LargeChange() const { return largeChange_; }
  void SetRange(int min, int max);  // clamps the value
  void SetMax(int max) { SetRange(min_, max); }
  // Raises Change when the value differs; a value outside Min..Max is refused (returns false).
  bool SetValue(int value);
  void SetChanges(int small, int large);
  std::function<void()> Change;

 private:
  bool vertical_;
  int min_ = 0, max_ = 0, value_ = 0, smallChange_ = 1, largeChange_ = 1;
};

// A control made of its own parts (the row list control, ...): a portable model that the
// renderer shows through the Win32 part registered for its TypeName (ui/win32).
class UserControl : public Control {
 public:
  UserControl(Form& form, std::string name, std::string typeName)
      : Control(form, std::move(name), Kind::UserControl), typeName_(std::move(typeName)) {}
  const std::string& TypeName() const { return typeName_; }
  // For the Win32 part: the model's content changed and must be drawn again.
  void Invalidate() { Notify(Property::Items); }

 private:
  std::string typeName_;
};

}  // namespace sequora::ui
