#include "support/gl_driver.h"

#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>
#include <link.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
// Mesa's driver and LLVM keep heap blocks in their globals for the life of
// the process. Once SDL_Quit unloads them those blocks look leaked, from
// modules LeakSanitizer can no longer name; so the driver stays loaded.
void keepGlDriverLoaded() {
    std::vector<std::string> names;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* out) {
            const std::string name = info->dlpi_name ? info->dlpi_name : "";
            for (const char* part : {"libLLVM", "_dri.so", "libgallium", "libEGL_mesa"}) {
                if (name.find(part) != std::string::npos) {
                    static_cast<std::vector<std::string>*>(out)->push_back(name);
                }
            }
            return 0;
        },
        &names);
    for (const std::string& name : names) {
        dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    }
}
#else
void keepGlDriverLoaded() {}
#endif
