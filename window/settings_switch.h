#pragma once

class QWidget;

namespace quirlweg {

struct WindowControls;

// In the lesson arrangement the settings frame shares its place with the statistics: a
// switch below the lattice view shows the one or the other. The classic layout shows both
// and hides the switch.
void AddSettingsSwitch(WindowControls& controls, QWidget& window);

// Shows the frames as the arrangement in use has them.
void ShowFramesFor(const WindowControls& controls, bool lesson);

}  // namespace quirlweg
