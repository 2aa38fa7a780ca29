#pragma once

#include "window_view.h"

#include <string>

namespace fuel::calc {

// The words the window says, the same on every platform.

// The field's name as the window's captions call it; also its accessible name.
std::string fieldName(Field field);

// What a listener needs to fill the field: the form it wants.
std::string fieldForm(Field field);

// Names the unreadable field and the form it wants.
std::string unreadableMessage(Field field);

inline constexpr const char *startFieldsFormatMessage = "日期或时间格式错误，请重新输入。";
inline constexpr const char *errorTitle = "错误";
inline constexpr const char *okButton = "确定";
inline constexpr const char *copyResultsAction = "复制";
inline constexpr const char *windowNotMadeMessage = "系统无法创建程序窗口，程序将退出。";
inline constexpr const char *clipboardBusyMessage =
    "剪贴板正被其他程序占用，结果没有复制。请稍后再试。";

} // namespace fuel::calc
