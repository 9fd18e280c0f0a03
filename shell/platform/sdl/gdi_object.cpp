// DeleteObject for every kind of GDI object of the SDL2 layer.
#include "shell/platform/sdl/gdi_object.h"

BOOL DeleteObject(HGDIOBJ handle)
{
    if (handle == NULL) {
        return FALSE;
    }
    GdiObject* object = (GdiObject*)handle;
    object->destroy(object);
    return TRUE;
}
