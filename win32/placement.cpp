#include "placement.h"

namespace fuel::win32 {

namespace {

POINT containerOrigin(const form::Control &control, UINT dpi)
{
    if (control.container.empty())
        return {0, 0};
    const form::Twips &frame = form::controlNamed(control.container).place;
    return {form::toPixels(frame.left, static_cast<int>(dpi)),
            form::toPixels(frame.top, static_cast<int>(dpi))};
}

} // namespace

RECT placeInWindow(const form::Control &control, UINT dpi)
{
    const auto pixels = [dpi](int twips) { return form::toPixels(twips, static_cast<int>(dpi)); };
    const POINT origin = containerOrigin(control, dpi);
    const int left = origin.x + pixels(control.place.left);
    const int top = origin.y + pixels(control.place.top);
    return {left, top, left + pixels(control.place.width), top + pixels(control.place.height)};
}

SIZE clientSize(UINT dpi)
{
    const form::WindowDesign &design = form::windowDesign();
    return {form::toPixels(design.clientWidth, static_cast<int>(dpi)),
            form::toPixels(design.clientHeight, static_cast<int>(dpi))};
}

} // namespace fuel::win32
