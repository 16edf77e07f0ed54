#pragma once

namespace veltrix::app {

class MainWindow;

// Options > "Decode GM/GS/Universal": off at the start of every run; while on, the Command
// column reads GM, GS and universal system-exclusive messages as text. Toggling it lists the
// shown view again.
void AddUniversalDecodeOption(MainWindow& window);

}  // namespace veltrix::app
