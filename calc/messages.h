#pragma once

#include "window_view.h"

#include <string>

namespace fuel::calc {

// The field's name as the window's captions call it; also its accessible name.
std::string fieldName(Field field);

// Names the unreadable field and the form it wants.
std::string unreadableMessage(Field field);

inline constexpr const char *startFieldsFormatMessage = "日期或时间格式错误，请重新输入。";

} // namespace fuel::calc
