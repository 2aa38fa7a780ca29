#pragma once

namespace fuel::win32 {

// The user's settings that the window follows, given to it as its clock is, so that it reads
// them in one place and a test can set one that Wine does not keep.
class SystemSettings {
public:
    virtual ~SystemSettings() = default;
    // Whether a high-contrast theme is on, in which every text takes the theme's colours.
    virtual bool highContrast() const = 0;
};

// The settings as Windows keeps them.
class WindowsSettings final : public SystemSettings {
public:
    bool highContrast() const override;
};

} // namespace fuel::win32
