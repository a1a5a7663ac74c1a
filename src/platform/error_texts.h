#pragma once

// The error texts of start-up and play, shown in a message box captioned
// "Game" when the program ends.
namespace errtext {
inline constexpr const char* Err_Reg_Class = "Error Registering Window Class";
inline constexpr const char* Err_Create_Win = "Error Creating Window";
inline constexpr const char* DirectDrawCreate = "DirectDrawCreate FAILED";
inline constexpr const char* SetCooperativeLevel = "SetCooperativeLevel FAILED";
inline constexpr const char* DisplayMode = "Error Setting Display Mode";
inline constexpr const char* CreateSurface = "CreateSurface FAILED";
inline constexpr const char* LoadingImage = "Error Loading Image";
inline constexpr const char* QueryInterface = "QueryInterface FAILED";
inline constexpr const char* DeviceCreation = "Device Creation Failed";
inline constexpr const char* Err_LoadingXFile = "Error Loading Direct3D X File";
inline constexpr const char* Viewport = "Viewport settings failed";
inline constexpr const char* Err_Autosave = "The game could not be saved as it ended";
}  // namespace errtext
