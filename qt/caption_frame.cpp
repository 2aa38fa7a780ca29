#include "caption_frame.h"

#include <QPainter>

namespace fuel::qt {

namespace {

constexpr int captionIndent = 6;

} // namespace

CaptionFrame::CaptionFrame(QWidget *parent)
    : QGroupBox(parent)
{
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);

    // An etched line: a dark rectangle with a light one a pixel inside and below it.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));

    const QRect caption(captionIndent, 0, metrics.horizontalAdvance(title()), metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, title());
}

} // namespace fuel::qt
