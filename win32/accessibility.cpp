#include "accessibility.h"

#include "utf.h"

#include <initguid.h>
#include <oleacc.h>

namespace fuel::win32 {

FieldAnnotations::FieldAnnotations()
{
    // Without COM or the service the fields still work; they only go unnamed.
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void **>(&m_services));
}

FieldAnnotations::~FieldAnnotations()
{
    if (!m_services)
        return;
    const MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    for (HWND field : m_annotated)
        m_services->ClearHwndProps(field, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   properties, 2);
    m_services->Release();
}

void FieldAnnotations::annotate(HWND field, const std::string &name, const std::string &description)
{
    if (!m_services)
        return;
    const auto objectId = static_cast<DWORD>(OBJID_CLIENT);
    m_services->SetHwndPropStr(field, objectId, CHILDID_SELF, PROPID_ACC_NAME,
                               toUtf16(name).c_str());
    m_services->SetHwndPropStr(field, objectId, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                               toUtf16(description).c_str());
    m_annotated.push_back(field);
}

} // namespace fuel::win32
