#include "ui/Control.h"

#include "ui/Controls.h"
#include "ui/Form.h"

namespace sequora::ui {

Control::Control(Form& form, std::string name, Kind kind) : form_(form), name_(std::move(name)), kind_(kind) {
  form_.Register(this);
}

Control::~Control() { form_.Unregister(this); }

void Control::SetContainer(Frame* frame) {
  if (container_ == frame) return;
  container_ = frame;
  Notify(Property::Container);
}

void Control::Move(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Notify(Property::Geometry);
}

void Control::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Notify(Property::Visible);
}

void Control::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Notify(Property::Enabled);
}

void Control::SetForeColor(Colour c) {
  if (c == foreColor_) return;
  foreColor_ = c;
  Notify(Property::ForeColor);
}

void Control::SetBackColor(Colour c) {
  if (c == backColor_) return;
  backColor_ = c;
  Notify(Property::BackColor);
}

void Control::SetToolTipText(std::string text) {
  if (text == toolTip_) return;
  toolTip_ = std::move(text);
  Notify(Property::ToolTip);
}

void Control::SetFont(int points, bool bold) {
  if (points == fontSize_ && bold == fontBold_) return;
  fontSize_ = points;
  fontBold_ = bold;
  Notify(Property::Font);
}

void Control::SetFocus() { form_.RequestFocus(*this); }
bool Control::HasFocus() const { return form_.Focused() == this; }

// --- kinds ---

void Label::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(Property::Text);
  if (Change) Change();
}

void Label::SetAlignment(Align a) {
  if (a == align_) return;
  align_ = a;
  Notify(Property::Style);
}

void Label::SetTransparent(bool t) {
  if (t == transparent_) return;
  transparent_ = t;
  Notify(Property::Style);
}

void Label::SetUseMnemonic(bool m) {
  if (m == useMnemonic_) return;
  useMnemonic_ = m;
  Notify(Property::Style);
}

void TextBox::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  Notify(Property::Text);
  if (Change) Change();
}

void TextBox::RaiseTextChanged(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  if (Change) Change();
}

void TextBox::SetMultiLine(bool m) {
  if (m == multiLine_) return;
  multiLine_ = m;
  Notify(Property::Style);
}

void TextBox::SetLocked(bool l) {
  if (l == locked_) return;
  locked_ = l;
  Notify(Property::Style);
}

void TextBox::SetBorder(bool b) {
  if (b == border_) return;
  border_ = b;
  Notify(Property::Style);
}

void TextBox::SetAlignment(Align a) {
  if (a == align_) return;
  align_ = a;
  Notify(Property::Style);
}

void CheckBox::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(Property::Text);
}

void CheckBox::SetValue(int value) {
  if (value == value_) return;
  value_ = value;
  Notify(Property::Value);
  if (Click) Click();
}

void Button::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(Property::Text);
}

void Button::SetPicture(sequora::Picture picture) {
  if (picture == picture_) return;
  picture_ = std::move(picture);
  Notify(Property::Picture);
}

void Button::SetDefault(bool d) {
  if (d == default_) return;
  default_ = d;
  Notify(Property::Style);
}

void Button::SetCancel(bool c) {
  if (c == cancel_) return;
  cancel_ = c;
  Notify(Property::Style);
}

const std::string& ItemList::List(int index) const {
  static const std::string empty;
  return (index >= 0 && index < ListCount()) ? items_[static_cast<size_t>(index)] : empty;
}

void ItemList::SetList(int index, std::string text) {
  if (index < 0 || index >= ListCount()) return;
  items_[static_cast<size_t>(index)] = std::move(text);
  Notify(Property::Items);
}

void ItemList::AddItem(std::string text) {
  items_.push_back(std::move(text));
  Notify(Property::Items);
}

void ItemList::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) return;
  items_.erase(items_.begin() + index);
  if (listIndex_ == index) {
    listIndex_ = -1;
  } else if (listIndex_ > index) {
    --listIndex_;
  }
  Notify(Property::Items);
}

void ItemList::Clear() {
  items_.clear();
  listIndex_ = -1;
  Notify(Property::Items);
}

void ItemList::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  listIndex_ = -1;
  Notify(Property::Items);
}

void ItemList::SetListIndex(int index) {
  if (index < -1 || index >= ListCount() || index == listIndex_) return;
  listIndex_ = index;
  Notify(Property::Selection);
  if (Click) Click();
}

void PictureBox::SetPicture(sequora::Picture picture) {
  if (picture == picture_) return;
  picture_ = std::move(picture);
  Notify(Property::Picture);
}

void PictureBox::SetBorder(bool b) {
  if (b == border_) return;
  border_ = b;
  Notify(Property::Style);
}

void Frame::Place(Control& child, int left, int top, int width, int height) {
  child.SetContainer(this);
  child.Move(left, top, width, height);
}

void Frame::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(Property::Text);
}

void Frame::SetBorder(bool b) {
  if (b == border_) return;
  border_ = b;
  Notify(Property::Style);
}

void ScrollBar::SetRange(int min, int max) {
  if (max < min) max = min;
  if (min == min_ && max == max_) return;
  min_ = min;
  max_ = max;
  Notify(Property::Range);
  if (value_ < min_ || value_ > max_) SetValue(value_ < min_ ? min_ : max_);
}

bool ScrollBar::SetValue(int value) {
  if (value < min_ || value > max_) return false;
  if (value == value_) return true;
  value_ = value;
  Notify(Property::Value);
  if (Change) Change();
  return true;
}

void ScrollBar::SetChanges(int small, int large) {
  smallChange_ = small;
  largeChange_ = large;
  Notify(Property::Range);
}

}  // namespace sequora::ui
