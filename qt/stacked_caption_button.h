#pragma once

#include <QPushButton>

namespace fuel::qt {

// A narrow push button that shows its caption one character per line ("计" above "算"), while
// text() keeps the caption whole for screen readers and tests.
class StackedCaptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit StackedCaptionButton(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace fuel::qt
