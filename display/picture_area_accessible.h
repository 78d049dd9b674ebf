#pragma once

namespace quirlweg {

// Lets assistive technology read what a picture area shows as text (the walker's position, the
// step count, the boundary hits): Qt asks the installed factory for an interface whose value
// is the area's printed text. Call once, after the application object exists.
void InstallPictureAreaAccessibility();

}  // namespace quirlweg
