#pragma once
#include <cstdint>
#include <string>

namespace appli {

// Name of the single-instance mutex: the file-name part of the program's path (after the last '\' or
// ':'), with ASCII a-z upper-cased and every other byte kept, so that copies in other folders share it.
std::string NomMutexInstance(const std::string& cheminProgramme);

// Whether an instance may run already, from CreateMutexA's answer: a handle to a mutex that existed
// (ERROR_ALREADY_EXISTS), or no handle to a mutex that exists but refuses this process access
// (ERROR_ACCESS_DENIED). Any other failure: this instance counts as the first.
inline constexpr uint32_t kErreurAccesRefuse = 5;     // ERROR_ACCESS_DENIED
inline constexpr uint32_t kErreurDejaExistant = 183;  // ERROR_ALREADY_EXISTS
bool InstancePossible(bool poignee, uint32_t erreur);
// Whether this start hands over to a running instance and ends, once the running instance's window has
// been looked for. A mutex that existed is ours: its instance may still be before its window. A refused one
// may be an elevated instance's, or another program's of that name, or a hung instance's: only its window
// found says an instance runs; without it, this start goes on as the first.
bool InstanceEnCours(bool poignee, uint32_t erreur, bool fenetreTrouvee);

}  // namespace appli
