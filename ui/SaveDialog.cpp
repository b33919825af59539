#include "ui/SaveDialog.h"

#include <algorithm>
#include <vector>

#include "ui/Application.h"
#include "ui/System.h"

namespace ui {
namespace {

// Long enough for any path the platform hands back, long-path prefix included.
constexpr size_t kCapacity = 32768;

// The forms take no input while the dialog runs, as under any modal window of the application.
class DisabledForms {
 public:
  DisabledForms()
      : main_(Application && Application->MainForm() ? Application->MainForm()->Handle() : nullptr),
        active_(GetActiveWindow()) {
    if (main_ && IsWindowEnabled(main_))
      EnableWindow(main_, FALSE);
    else
      main_ = nullptr;
  }
  ~DisabledForms() {
    if (main_) EnableWindow(main_, TRUE);
    if (active_) SetActiveWindow(active_);
  }
  DisabledForms(const DisabledForms&) = delete;
  DisabledForms& operator=(const DisabledForms&) = delete;

 private:
  HWND main_;
  HWND active_;
};

}  // namespace

bool SaveDialog::Execute() {
  // The platform wants the pairs separated by zeros and the list ended by two.
  std::wstring filter = Filter;
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  filter.push_back(L'\0');

  std::vector<wchar_t> file(kCapacity, L'\0');
  std::copy_n(FileName.begin(), std::min(FileName.size(), kCapacity - 1), file.begin());

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = Application ? Application->DialogOwner() : nullptr;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrTitle = Title.c_str();
  ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
  // No question before replacing a file; neither the folder nor the file has to exist.
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;

  bool confirmed;
  {
    DisabledForms disabled;
    confirmed = Sys().GetSaveFileNameW(&ofn) != FALSE;
  }
  if (confirmed) FileName = file.data();
  return confirmed;
}

}  // namespace ui
