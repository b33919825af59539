#pragma once
// Single running instance. The process-wide guard creates a named mutex as the program starts and
// records whether it existed; the main window's component LMDOneInstance1 then hands a second start over
// to the running instance and ends it.
#include "ui/Win.h"

namespace appli {

class TGardeInstance {
 public:
  TGardeInstance();  // the mutex is named after the program's file name, upper-cased
  // Whether another instance may run: its window is then looked for.
  bool InstancePossible() const;
  // Whether another instance runs, given whether its window was found.
  bool InstanceEnCours(bool fenetreTrouvee) const;

 private:
  base::Handle mutex_;  // held for the life of the process, closed at exit
  DWORD erreur_ = 0;    // CreateMutexA's last error
};

// The guard of this process, when the program made one (tests run without).
extern TGardeInstance* GardeProcessus;

class TLMDOneInstance {
 public:
  // With a previous instance: clears this instance's title so that the search cannot find it, brings
  // the running instance forward (restored when minimised) and requests the end of this one; when the
  // search says no instance runs after all, the title comes back and this instance goes on.
  void Verifier() const;
};

}  // namespace appli
