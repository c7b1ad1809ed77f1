// The unit's own settings that the controller keeps for it: taken over
// when the start-up exchange has finished.
#pragma once

// Contrast, the two backlight levels and the menu language from the
// answers of jobs 1 and 2. A level or contrast of 255 is not set: the
// unit's default is taken and reported back to the controller.
void DIS_ApplyControllerSettings();
