#pragma once

// Registers the common controls the framework uses (tooltips), once.
void InitializeCommonControls();
