#pragma once

// Screen readers name a combo box by its accessible name, the label beside
// it ("Squelch Level", "TOT"), and read the item it shows as its value. Left
// to itself the toolkit names a combo box by its item on some systems.
// Called once, before any combo box is built.
void InstallComboBoxNames();
