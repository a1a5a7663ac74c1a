#pragma once

namespace platform::sdl::shaders {

// The lit, textured 3D meshes: sources without their #version and
// #define lines, made into one program per render state.
extern const char* const kSceneVertex;
extern const char* const kSceneFragment;

// Copies of surface rectangles onto the back buffer, scaled sharply to its
// pixels; also the picture scaled onto the window.
extern const char* const kCopyVertex;
extern const char* const kCopyFragment;

}  // namespace platform::sdl::shaders
