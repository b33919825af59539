// A DLL of the system directory that imports Dependance.cpp: which copy it gets says where its
// dependencies were searched.
extern "C" __declspec(dllimport) int Origine();
extern "C" __declspec(dllexport) int OrigineDeLaDependance() { return Origine(); }
