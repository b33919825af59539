#pragma once
// The image strips of a form, by name. At 96 dpi a strip is the program's own pixels, ready at once. At any
// other scale each strip is decoded from its 200 % rendering and reduced, which takes tens of milliseconds
// for the background under Wine: the strips of the description are then made on a worker thread while the
// form makes its windows and runs its show handler, and the first request for a strip waits for them.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include "ui/FormDescription.h"
#include "ui/ImageStrip.h"

namespace ui {

class FormStrips {
 public:
  explicit FormStrips(const FormDesc& desc) : desc_(desc) {}
  ~FormStrips() { Wait(); }
  FormStrips(const FormStrips&) = delete;
  FormStrips& operator=(const FormStrips&) = delete;

  // Makes every strip of the description anew at that dpi: when the form is made and when its dpi changes.
  // A missing or malformed picture throws here, whatever the dpi.
  void Load(int dpi);
  // The strip of that name, cut as the description says (a name it leaves out: one whole image).
  ImageStrip& Get(std::string_view name);

 private:
  void Wait();

  const FormDesc& desc_;
  int dpi_ = 0;
  std::map<std::string, std::unique_ptr<ImageStrip>, std::less<>> strips_;  // the worker's until it is joined
  std::thread worker_;
};

}  // namespace ui
