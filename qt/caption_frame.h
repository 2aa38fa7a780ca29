#pragma once

#include <QGroupBox>

namespace fuel::qt {

// A group box that draws its caption into the line of its top edge, whatever the style, so
// that the children's designed places sit where the drawing puts them.
class CaptionFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit CaptionFrame(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace fuel::qt
