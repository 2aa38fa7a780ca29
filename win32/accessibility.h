#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct IAccPropServices;

namespace fuel::win32 {

// Gives fields the spoken name and description that their neighbouring captions only show:
// a screen reader cannot tell which caption belongs to which box. The annotations are cleared
// again when this object goes, before the fields do.
class FieldAnnotations {
public:
    FieldAnnotations();
    ~FieldAnnotations();
    FieldAnnotations(const FieldAnnotations &) = delete;
    FieldAnnotations &operator=(const FieldAnnotations &) = delete;

    void annotate(HWND field, const std::string &name, const std::string &description);

private:
    IAccPropServices *m_services = nullptr;
    std::vector<HWND> m_annotated;
};

} // namespace fuel::win32
