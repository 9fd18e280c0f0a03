// OpenGL and GLU for viewer code: the GL headers need the platform's
// declarations first on Windows.
#ifndef HM_SHELL_PLATFORM_GL_H
#define HM_SHELL_PLATFORM_GL_H

#include "shell/platform/win32.h"
#include <GL/gl.h>
#include <GL/glu.h>

#endif
