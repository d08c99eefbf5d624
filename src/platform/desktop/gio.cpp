#include "platform/desktop/gio.h"

#include <dlfcn.h>

namespace {

template <typename Function>
bool resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

bool load(GioFunctions& f)
{
    void* library = ::dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return false;
    // Kept loaded for the rest of the run: GLib's types cannot be unloaded.
    return resolve(library, "g_app_info_get_default_for_type", f.appInfoGetDefaultForType)
           && resolve(library, "g_app_info_get_icon", f.appInfoGetIcon)
           && resolve(library, "g_desktop_app_info_new_from_filename",
                      f.desktopAppInfoNewFromFilename)
           && resolve(library, "g_desktop_app_info_get_filename", f.desktopAppInfoGetFilename)
           && resolve(library, "g_desktop_app_info_get_string", f.desktopAppInfoGetString)
           && resolve(library, "g_desktop_app_info_get_type", f.desktopAppInfoGetType)
           && resolve(library, "g_file_icon_get_file", f.fileIconGetFile)
           && resolve(library, "g_file_icon_get_type", f.fileIconGetType)
           && resolve(library, "g_file_get_path", f.fileGetPath)
           && resolve(library, "g_themed_icon_get_names", f.themedIconGetNames)
           && resolve(library, "g_themed_icon_get_type", f.themedIconGetType)
           && resolve(library, "g_type_check_instance_is_a", f.typeCheckInstanceIsA)
           && resolve(library, "g_object_unref", f.objectUnref);
}

} // namespace

const GioFunctions* gio()
{
    static GioFunctions functions;
    static const bool loaded = load(functions);
    return loaded ? &functions : nullptr;
}
