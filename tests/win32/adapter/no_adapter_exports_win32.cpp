// A DLL that loads fine but offers none of the adapter library's operations: the loader
// binding must fail every call over it rather than call into nothing.
#include <windows.h>

extern "C" __declspec(dllexport) DWORD WINAPI UnrelatedOperation(DWORD value) { return value + 1; }
