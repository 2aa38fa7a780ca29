#include "fonts.h"

#include "conversions.h"

#include "form/design.h"

#include <QFontDatabase>
#include <QStringList>

namespace fuel::qt {

namespace {

// Each designed family the machine lacks would cost a fontconfig fallback search every time a
// font of the chain is resolved, so the chain is walked once, against the list of installed
// families. Not QFontDatabase::hasFamily: it runs fontconfig's substitution rules for every name.
QString findInstalledFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (const std::string_view family : form::windowDesign().fontFamilies) {
        const QString name = fromUtf8(family);
        if (installed.contains(name, Qt::CaseInsensitive))
            return name;
    }
    return {};
}

const QString &installedFamily()
{
    static const QString family = findInstalledFamily();
    return family;
}

} // namespace

QFont windowFont()
{
    QFont font;
    // With none of the designed families installed, the platform's default face stands in.
    if (const QString &family = installedFamily(); !family.isEmpty())
        font.setFamily(family);
    font.setPointSize(form::windowDesign().fontPoints);
    return font;
}

QFont resultFont()
{
    QFont font = windowFont();
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace fuel::qt
