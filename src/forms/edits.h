// Text input over the system edit and combo box classes.
#pragma once

#include "forms/controls.h"
#include "forms/string_list.h"

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);

  std::string Text() const { return GetText(); }
  void SetText(const std::string& text) override;
  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle style);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool v);
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int n);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  char PasswordChar() const { return password_char_; }
  void SetPasswordChar(char c);

  int SelStart() const;
  int SelLength() const;
  void SetSel(int start, int length);
  void SelectAll() { SetSel(0, -1); }
  bool Modified() const;
  void SetModified(bool v);

  TNotifyEvent OnChange;
  bool WantsChars() const override { return true; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitWindow() override;
  void CommandNotify(WORD code) override;
  virtual void Change();

 private:
  TBorderStyle border_style_ = bsSingle;
  bool read_only_ = false;
  int max_length_ = 0;
  TAlignment alignment_ = taLeftJustify;
  char password_char_ = 0;
  bool modified_ = false;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* owner);
};

// A multi-line edit whose Lines follow the text both ways.
class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* owner);
  TStringList& Lines() { return lines_; }
  bool WordWrap = true;
  bool WantReturns = true;
  bool VerticalScrollBar = false;
  bool WantsKey(uint16_t key) const override { return key == VK_RETURN && WantReturns; }
  void SetText(const std::string& text) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Change() override;

 private:
  TStringList lines_;
  bool syncing_ = false;
  bool changed_ = false;
};

enum TComboBoxStyle : uint8_t { csDropDown, csDropDownList };

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* owner);

  TStringList& Items() { return items_; }
  int ItemIndex() const;
  void SetItemIndex(int index);
  std::string Text() const { return GetText(); }
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  int DropDownCount = 8;
  bool DroppedDown() const;

  TNotifyEvent OnChange, OnSelect, OnDropDown, OnCloseUp;

  void SetBounds(int left, int top, int width, int height) override;
  bool WantsChars() const override { return true; }
  bool WantsKey(uint16_t key) const override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitWindow() override;
  void CommandNotify(WORD code) override;
  virtual void Change();
  virtual void Select();
  virtual void CloseUp();

 private:
  void FillList();
  int ListHeight(int height) const;

  TStringList items_;
  TComboBoxStyle style_ = csDropDown;
  int item_index_ = -1;
};
