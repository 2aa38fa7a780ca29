#pragma once

namespace fuel::win32 {

// What the window needs from the system before it is made, for as long as it lives: COM for the
// accessibility annotations, and the common controls.
class ProgramServices {
public:
    ProgramServices();
    ~ProgramServices();
    ProgramServices(const ProgramServices &) = delete;
    ProgramServices &operator=(const ProgramServices &) = delete;
};

} // namespace fuel::win32
