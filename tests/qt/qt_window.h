#pragma once

// What the Qt driver and the Qt-only tests both do to the real window: find a child widget by the
// designed name behind a target, the name the window gives its objects.

#include "target.h"

#include "qt/conversions.h"

#include <doctest.h>

#include <QString>
#include <QWidget>

#include <string_view>

namespace fuel::testing {

using qt::fromUtf8;

template <class Child = QWidget> Child *childOf(const QWidget &window, Target target)
{
    const form::Control *designed = target.designed();
    REQUIRE_MESSAGE(designed, "no such control");
    auto *widget = window.findChild<Child *>(fromUtf8(designed->name));
    REQUIRE_MESSAGE(widget, "no control named ", designed->name);
    return widget;
}

} // namespace fuel::testing
