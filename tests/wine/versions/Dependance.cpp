// A dependency of Importe.cpp, built twice: the system's copy (1) and one planted in the program's folder (2).
extern "C" __declspec(dllexport) int Origine() { return ORIGINE; }
