#pragma once

namespace ui {

// Title of the message boxes, and the name the program stores its settings under.
inline constexpr const char* kApplicationTitle = "Draft Survey";

}  // namespace ui
