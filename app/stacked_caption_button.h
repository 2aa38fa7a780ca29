#pragma once

#include <QPushButton>

namespace fuel::app {

// A narrow push button that shows its caption one character per line ("计" above "算"), while
// text() keeps the caption whole for screen readers and tests.
class StackedCaptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit StackedCaptionButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace fuel::app
