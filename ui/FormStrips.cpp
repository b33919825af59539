#include "ui/FormStrips.h"

#include <objbase.h>

#include <system_error>

#include "ui/FormRules.h"

namespace ui {
namespace {

std::unique_ptr<ImageStrip> Make(const FormDesc& desc, std::string_view name, int dpi) {
  int width = 0, height = 0;
  for (const ImageStripDesc& d : desc.strips)
    if (name == d.name) width = d.width, height = d.height;
  return std::make_unique<ImageStrip>(std::string(name).c_str(), width, height, dpi);
}

}  // namespace

void FormStrips::Load(int dpi) {
  Wait();
  strips_.clear();
  dpi_ = dpi;
  auto makeAll = [this] {
    for (const ImageStripDesc& d : desc_.strips) strips_[d.name] = Make(desc_, d.name, dpi_);
  };
  if (dpi == kDesignDpi) {
    makeAll();
    return;
  }
  // Checked on this thread, so that a fault of the description or of the build stops the form's creation.
  for (const ImageStripDesc& d : desc_.strips) FindPicture(d.name);
  try {
    worker_ = std::thread([makeAll] {
      // The imaging component decodes on the thread that asks, which needs COM.
      const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
      try {
        makeAll();
      } catch (...) {
        // What stopped the worker (memory, most likely) is met again on the form's thread, which makes the
        // strips still missing when they are asked for, and where an error box can be shown.
      }
      if (com) CoUninitialize();
    });
  } catch (const std::system_error&) {
    makeAll();  // no thread to be had: made here
  }
}

void FormStrips::Wait() {
  if (worker_.joinable()) worker_.join();
}

ImageStrip& FormStrips::Get(std::string_view name) {
  Wait();
  auto it = strips_.find(name);
  if (it == strips_.end()) it = strips_.emplace(std::string(name), Make(desc_, name, dpi_)).first;
  return *it->second;
}

}  // namespace ui
