#include "fonts.h"

#include "form/design.h"

#include <QStringList>

namespace fuel::qt {

QFont windowFont()
{
    const form::WindowDesign &design = form::window();
    QStringList families;
    for (const std::string_view family : design.fontFamilies)
        families << QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
    QFont font;
    font.setFamilies(families);
    font.setPointSize(design.fontPoints);
    return font;
}

QFont resultFont()
{
    QFont font = windowFont();
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace fuel::qt
