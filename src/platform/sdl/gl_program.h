#pragma once

#include <epoxy/gl.h>

namespace platform::sdl {

// Compiles and links a vertex and a fragment shader. Returns 0, with the
// compiler's log on stderr, when either fails.
GLuint buildProgram(const char* name, const char* vertexSource, const char* fragmentSource);

}  // namespace platform::sdl
