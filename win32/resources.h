#pragma once

// Shared by the resource script and the code that loads from it.
#define FUEL_ICON_ID 1
