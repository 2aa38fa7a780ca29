#include "fonts.h"

#include <QStringList>

namespace fuel::app {

QFont windowFont()
{
    QFont font;
    // Windows has SimSun; elsewhere AR PL UMing has the same metrics, where Noto CJK and the
    // fallback faces are narrower in the spaces and taller in the line.
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("宋体"),
                      QStringLiteral("AR PL UMing CN")});
    font.setPointSize(9);
    return font;
}

QFont resultFont()
{
    QFont font = windowFont();
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace fuel::app
