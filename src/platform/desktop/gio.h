#pragma once

// GLib names a struct member "signals", which Qt defines as a keyword macro.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#pragma pop_macro("signals")

// The GIO functions the program calls. GIO is loaded at its first use rather than linked:
// it brings seven libraries whose loading and set-up would cost every start about 4 ms,
// for associations and desktop entries that most starts never look at.
struct GioFunctions {
    decltype(&g_app_info_get_default_for_type) appInfoGetDefaultForType;
    decltype(&g_app_info_get_icon) appInfoGetIcon;
    decltype(&g_desktop_app_info_new_from_filename) desktopAppInfoNewFromFilename;
    decltype(&g_desktop_app_info_get_filename) desktopAppInfoGetFilename;
    decltype(&g_desktop_app_info_get_string) desktopAppInfoGetString;
    decltype(&g_desktop_app_info_get_type) desktopAppInfoGetType;
    decltype(&g_file_icon_get_file) fileIconGetFile;
    decltype(&g_file_icon_get_type) fileIconGetType;
    decltype(&g_file_get_path) fileGetPath;
    decltype(&g_themed_icon_get_names) themedIconGetNames;
    decltype(&g_themed_icon_get_type) themedIconGetType;
    decltype(&g_type_check_instance_is_a) typeCheckInstanceIsA;
    decltype(&g_object_unref) objectUnref;

    // Whether the object is of the GIO type that getType gives.
    bool is(gpointer object, GType (*getType)()) const
    {
        return object && typeCheckInstanceIsA(static_cast<GTypeInstance*>(object), getType());
    }
};

// The functions, or nullptr when the system's GIO cannot be loaded: then no program is
// associated with a document and desktop entries give no icons.
const GioFunctions* gio();
