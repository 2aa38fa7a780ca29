#pragma once

namespace fuel::win32 {

// What the window needs from the system before it is made, for as long as it lives: COM for the
// accessibility annotations, and the common controls.
class ComAndCommonControls {
public:
    ComAndCommonControls();
    ~ComAndCommonControls();
    ComAndCommonControls(const ComAndCommonControls &) = delete;
    ComAndCommonControls &operator=(const ComAndCommonControls &) = delete;
};

} // namespace fuel::win32
