#pragma once
#include <cstdint>
#include <string>

namespace appli {

// Name of the single-instance mutex: the file-name part of the program's path (after the last '\' or
// ':'), with ASCII a-z upper-cased and every other byte kept, so that copies in other folders share it.
std::string NomMutexInstance(const std::string& cheminProgramme);

// Whether an instance runs already, from CreateMutexA's answer: a handle to a mutex that existed
// (ERROR_ALREADY_EXISTS), or no handle to a mutex that exists but was made by a more privileged process,
// an elevated instance, which refuses this one access (ERROR_ACCESS_DENIED). Any other failure: this
// instance counts as the first.
inline constexpr uint32_t kErreurAccesRefuse = 5;     // ERROR_ACCESS_DENIED
inline constexpr uint32_t kErreurDejaExistant = 183;  // ERROR_ALREADY_EXISTS
bool InstanceEnCours(bool poignee, uint32_t erreur);

}  // namespace appli
