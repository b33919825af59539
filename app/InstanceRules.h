#pragma once
#include <string>

namespace appli {

// Name of the single-instance mutex: the file-name part of the program's path (after the last '\' or
// ':'), with ASCII a-z upper-cased and every other byte kept, so that copies in other folders share it.
std::string NomMutexInstance(const std::string& cheminProgramme);

}  // namespace appli
