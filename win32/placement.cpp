#include "placement.h"

#include <algorithm>
#include <cstdlib>

namespace fuel::win32 {

namespace {

constexpr int firstId = 100;

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
    const form::WindowDesign &design = form::window();
    return {form::toPixels(design.clientWidth, static_cast<int>(dpi)),
            form::toPixels(design.clientHeight, static_cast<int>(dpi))};
}

int controlId(const form::Control &control)
{
    return firstId + static_cast<int>(&control - form::controls().data());
}

const form::Control *controlWithId(int id)
{
    const auto all = form::controls();
    const int index = id - firstId;
    if (index < 0 || index >= static_cast<int>(all.size()))
        return nullptr;
    return &all[static_cast<std::size_t>(index)];
}

const form::Control &onlyControlOf(form::Kind kind)
{
    const auto all = form::controls();
    const auto found = std::find_if(all.begin(), all.end(), [kind](const form::Control &control) {
        return control.kind == kind;
    });
    if (found == all.end())
        std::abort(); // the design lost its button or timer
    return *found;
}

HWND controlWindow(HWND window, const form::Control &control)
{
    return GetDlgItem(window, controlId(control));
}

} // namespace fuel::win32
