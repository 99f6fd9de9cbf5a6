// Style, pointer, window-state and attribute values that callers pass to the platform services.
#pragma once

// Message box styles.
inline constexpr int MB_ICONWARNING = 48;
inline constexpr int MB_ICONINFORMATION = 64;

// Mouse pointer kinds.
inline constexpr int vbDefault = 0;
inline constexpr int vbHourglass = 11;

// Window states for a started process.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWMAXIMIZED = 3;

// Folder probe attribute masks: 0 sees ordinary files, 16 also sees folders.
inline constexpr int vbNormal = 0;
inline constexpr int FILE_ATTRIBUTE_DIRECTORY = 16;
