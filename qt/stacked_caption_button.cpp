#include "stacked_caption_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace fuel::qt {

StackedCaptionButton::StackedCaptionButton(QWidget *parent)
    : QPushButton(parent)
{
    // Enter in a field and Esc anywhere must never press it.
    setAutoDefault(false);
    setDefault(false);
}

// Enter on the focused button presses it, as on Windows; it is still never the default button,
// so Enter in a field does nothing.
void StackedCaptionButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
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

} // namespace fuel::qt
