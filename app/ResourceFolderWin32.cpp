#include "app/ResourceFolder.h"

#include <windows.h>

#include <string>

// Shortcuts, double-clicks and the Start menu choose the working folder on
// Windows, so the game moves to the folder of its .exe, where res/ is shipped.
void enterResourceFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    // The name is cut short, and the buffer filled to the brim, when it is too small.
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    std::size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        SetCurrentDirectoryW(path.substr(0, slash + 1).c_str());
}
