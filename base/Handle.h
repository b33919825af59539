#pragma once
// Owners of the system's handles, released with them.
#include <windows.h>

#include <utility>

namespace base {

// Owner of one handle of type T, released by `Liberer` (a function object taking it) when the owner goes
// or is given another; a null handle is none.
template <class T, class Liberer>
class Proprietaire {
 public:
  Proprietaire() = default;
  explicit Proprietaire(T h) : h_(h) {}
  Proprietaire(Proprietaire&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  Proprietaire& operator=(Proprietaire&& o) noexcept {
    if (this != &o) {
      Fermer();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  Proprietaire(const Proprietaire&) = delete;
  Proprietaire& operator=(const Proprietaire&) = delete;
  ~Proprietaire() { Fermer(); }
  T get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void Fermer() {
    if (h_) Liberer{}(h_);
    h_ = nullptr;
  }

 private:
  T h_ = nullptr;
};

struct FermerHandle {
  void operator()(HANDLE h) const { CloseHandle(h); }
};

// Owner of a kernel handle. INVALID_HANDLE_VALUE, which some calls return on failure, is none.
class Handle : public Proprietaire<HANDLE, FermerHandle> {
 public:
  Handle() = default;
  explicit Handle(HANDLE h) : Proprietaire(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
};

}  // namespace base
