#pragma once
// A window that holds controls: it paints its colour and hands the notifications of its children
// (colours, owner drawing, commands, common-control notifications) back to the child objects.
#include "ui/Control.h"

namespace ui {

class Container : public Control {
 public:
  COLORREF Color() const { return color_; }
  void SetColor(COLORREF color);
  HBRUSH Brush() const { return brush_.get(); }

 protected:
  Container(std::string name, COLORREF color) : Control(std::move(name)) { SetColor(color); }
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  COLORREF color_ = 0;
  GdiObject<HBRUSH> brush_;
};

// A plain container on a form: a tab page or a panel.
class Panel : public Container {
 public:
  // `style` adds to the description's (WS_DISABLED for a page made disabled).
  Panel(const CreateParams& c, const wchar_t* className, COLORREF color, DWORD style = 0);

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  bool bevelled_;
};

}  // namespace ui
