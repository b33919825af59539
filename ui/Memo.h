#pragma once
// Multi-line text held as lines; its text is every line followed by CR LF. Lines are only appended.
#include <vector>

#include "ui/Control.h"

namespace ui {

class Memo : public Control {
 public:
  explicit Memo(const CreateParams& c);

  std::vector<std::wstring> Lines() const;
  void Add(const std::wstring& line);
  void Add(const std::vector<std::wstring>& lines);
};

}  // namespace ui
