#include "stacked_caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace fuel::app {

StackedCaptionButton::StackedCaptionButton(QWidget *parent)
    : QPushButton(parent)
{
    // Enter and Esc must never press it.
    setAutoDefault(false);
    setDefault(false);
}

void StackedCaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QStringList characters;
    for (const QChar c : text())
        characters << QString(c);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(area, Qt::AlignCenter, palette(), isEnabled(), characters.join('\n'),
                         QPalette::ButtonText);
}

} // namespace fuel::app
