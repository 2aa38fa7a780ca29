#include "messages.h"

namespace fuel::calc {

namespace {

std::string example(Field field)
{
    switch (field) {
    case Field::MainRate:
        return "整数公斤数（例如 65）";
    case Field::AuxRate:
        return "整数公斤数（例如 15）";
    case Field::StartDate:
    case Field::EndDate:
        return " yyyy-mm-dd 格式的日期（例如 2007-04-26）";
    case Field::StartTime:
    case Field::EndTime:
        return " hh:mm:ss 格式的时间（例如 08:30:00）";
    }
    return {};
}

} // namespace

std::string fieldName(Field field)
{
    switch (field) {
    case Field::MainRate:
        return "主机耗油量";
    case Field::AuxRate:
        return "副机耗油量";
    case Field::StartDate:
        return "开始日期";
    case Field::StartTime:
        return "开始时间";
    case Field::EndDate:
        return "结束日期";
    case Field::EndTime:
        return "结束时间";
    }
    return {};
}

std::string fieldForm(Field field)
{
    switch (field) {
    case Field::MainRate:
    case Field::AuxRate:
        return "每小时公斤数，整数";
    case Field::StartDate:
    case Field::EndDate:
        return "yyyy-mm-dd";
    case Field::StartTime:
    case Field::EndTime:
        return "hh:mm:ss";
    }
    return {};
}

std::string unreadableMessage(Field field)
{
    return fieldName(field) + "应为" + example(field) + "，请重新输入。";
}

} // namespace fuel::calc
