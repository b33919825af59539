// A library without a version resource.
extern "C" __declspec(dllexport) int Rien() { return 0; }
