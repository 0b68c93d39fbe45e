// Linked into sanitizer builds only.
//
// When the window closes, the toolkit tears down the GL context and the GL
// unloads its driver, all before the leak check runs at exit. The driver's
// allocations would then be reported under no library name, beyond the reach
// of the leak suppressions. Every library calls this dlclose before the C
// library's, so the GL's own libraries stay loaded to the end, and their
// allocations keep their names.
#include <cstring>
#include <dlfcn.h>
#include <link.h>

namespace {

bool isGlLibrary(const char* path)
{
    return std::strstr(path, "_dri.so") != nullptr || std::strstr(path, "libgallium") != nullptr ||
           std::strstr(path, "libGLX_mesa") != nullptr;
}

}

extern "C" int dlclose(void* library) noexcept
{
    static auto* unload = reinterpret_cast<int (*)(void*)>(dlsym(RTLD_NEXT, "dlclose"));
    link_map* loaded = nullptr;
    if (dlinfo(library, RTLD_DI_LINKMAP, &loaded) == 0 && isGlLibrary(loaded->l_name))
        return 0;
    return unload(library);
}
