// What only the Qt window has: its window-system hints and icon, the dark palette, the drawing
// at any scale factor, what a screen reader hears, the input method and Qt's own texts.

#include "qt_window.h"
#include "window_driver.h"

#include "form/contrast.h"
#include "form/design.h"
#include "qt/frm_main.h"

#include <doctest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <string_view>
#include <vector>

using fuel::calc::Field;
using fuel::calc::Option;
using fuel::calc::ResultLabel;
using fuel::qt::FrmMain;
using fuel::testing::FixedClock;
using fuel::testing::Part;
using fuel::testing::Target;

namespace {

// What does not depend on the scale factor runs once, not again at the others: the sizes, the
// fonts and the drawing do.
const doctest::test_suite scaleIndependent("scale-independent");

struct Window {
    FixedClock clock;
    FrmMain window{clock};

    template <class Widget = QWidget> Widget *child(Target target) const
    {
        return fuel::testing::childOf<Widget>(window, target);
    }
};

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(53, 53, 53));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(36, 36, 36));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, QColor(53, 53, 53));
    palette.setColor(QPalette::ButtonText, Qt::white);
    return palette;
}

// As a desktop changes its theme: the running event loop tells every window, which a test's
// loop-less run does not, so the window is told here.
void switchTheme(const QPalette &palette, QWidget *window)
{
    QApplication::setPalette(palette);
    QEvent changed(QEvent::ApplicationPaletteChange);
    QApplication::sendEvent(window, &changed);
}

} // namespace

TEST_CASE("one fixed size, no maximising, the icon at its sizes")
{
    const Window w;
    CHECK(w.window.minimumSize() == w.window.maximumSize());
    CHECK_FALSE(w.window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    CHECK(w.window.windowIcon().availableSizes().size() == 3);
    for (const int side : {16, 32})
        CHECK(w.window.windowIcon().pixmap(side).deviceIndependentSize() == QSizeF(side, side));
    CHECK(w.window.findChild<QTimer *>(fuel::testing::fromUtf8(fuel::form::timerDesign().name))
              ->interval() == 900);
}

// As a compositor that maximises every window puts it: the window leaves the state, and, put
// straight back by the user, stays in it.
TEST_CASE("a maximised or full-screen state is left once" * scaleIndependent)
{
    for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        INFO("state ", static_cast<int>(state));
        Window w;
        w.window.show();
        REQUIRE(QTest::qWaitForWindowExposed(&w.window));
        const QSize designed = w.window.size();
        w.window.setWindowState(state);
        CHECK(QTest::qWaitFor([&] { return w.window.windowState() == Qt::WindowNoState; }));
        CHECK(w.window.size() == designed);
        w.window.setWindowState(state);
        QCoreApplication::processEvents();
        CHECK(w.window.windowState() == state);
    }
}

TEST_CASE("the result labels one line high, upright; the credit boxed and centred")
{
    const Window w;
    for (const ResultLabel result : fuel::calc::allResultLabels) {
        INFO(Target(result));
        const QLabel *label = w.child<QLabel>(result);
        CHECK_FALSE((label->font().italic() || label->font().underline()));
        CHECK(label->fontMetrics().height() == 12);
    }
    const auto *credit = w.child<QLabel>(fuel::testing::creditLine);
    CHECK(credit->alignment() == Qt::AlignCenter);
    CHECK(credit->frameShape() == QFrame::Box);
    CHECK(credit->fontMetrics().horizontalAdvance(credit->text()) < credit->width());
}

// Every text of the window against what it stands on, in the colours the widgets use.
TEST_CASE("a dark theme keeps every text readable and the designed hues" * scaleIndependent)
{
    using fuel::form::Rgb;
    const QPalette light = QApplication::palette();
    for (const bool openedDark : {true, false}) {
        INFO((openedDark ? "opened in a dark theme" : "turned dark while open"));
        if (openedDark)
            QApplication::setPalette(darkPalette());
        const auto window = fuel::testing::openWindow({{2007, 4, 26}, {9, 30, 0}});
        if (!openedDark)
            switchTheme(darkPalette(), QApplication::activeWindow());
        std::vector<Target> labels(fuel::calc::allResultLabels.begin(),
                                   fuel::calc::allResultLabels.end());
        labels.insert(labels.end(), {fuel::testing::creditLine, fuel::testing::ratesCaption,
                                     fuel::testing::startCaption, fuel::testing::endCaption});
        for (const Target label : labels) {
            INFO(label);
            const fuel::form::Colours drawn = window->colours(label);
            CHECK(fuel::form::contrastRatio(drawn.text, drawn.background) >= 4.5);
        }
        CHECK(window->colours(fuel::testing::creditLine).background == Rgb{255, 255, 255});
        const Rgb main = window->colours(ResultLabel::MainAmount).text;
        CHECK((main.blue == 255 && main.red == main.green && main.red < 255));
        switchTheme(light, QApplication::activeWindow());
        CHECK(window->colours(ResultLabel::MainAmount).text == Rgb{0, 0, 255});
        CHECK(window->colours(ResultLabel::ElapsedTime).text == Rgb{255, 128, 0});
    }
}

// At any scale factor: the button's word stands one character a line, check box captions fit
// their boxes, and a line of text fits a field.
TEST_CASE("nothing is clipped at the scale factor")
{
    const Window w;
    auto *button = w.child<QPushButton>(Part::Button);
    CHECK_FALSE((button->isDefault() || button->autoDefault()));
    const QImage image = button->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    QRect ink;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            if (qGray(image.pixel(x, y)) < 160)
                ink |= QRect(x, y, 1, 1);
        }
    }
    CHECK(ink.width() <= 12 * scale);
    CHECK(ink.height() > 18 * scale);
    for (const Option option : fuel::calc::allOptions)
        CHECK(w.child(option)->sizeHint().width() <= w.child(option)->width());
    for (const Field role : {Field::MainRate, Field::StartDate, Field::EndTime}) {
        const QWidget *field = w.child(role);
        CHECK(field->fontMetrics().height() <= field->height() - 4);
    }
}

TEST_CASE("the filtered fields take no input method, whose text would pass around the filter" *
          scaleIndependent)
{
    const Window w;
    for (const Field field : fuel::calc::allFields) {
        INFO(Target(field));
        CHECK(w.child(field)->testAttribute(Qt::WA_InputMethodEnabled) ==
              !fuel::form::filterFor(field));
    }
}

// Windows words a message box's button in the system's language; Qt's is the window's own.
TEST_CASE("the message box's button says 确定" * scaleIndependent)
{
    const auto window = fuel::testing::openWindow({{2007, 4, 26}, {9, 30, 0}});
    window->paste(Field::MainRate, "");
    window->click(Part::Button);
    REQUIRE(window->boxes().size() == 1);
    CHECK(window->boxes().front().buttons == std::vector<std::string>{"确定"});
}

TEST_CASE("Qt's own menus speak Chinese" * scaleIndependent)
{
    const Window w;
    const std::unique_ptr<QMenu> menu(
        w.child<QLineEdit>(Field::EndDate)->createStandardContextMenu());
    QStringList items;
    for (const QAction *action : menu->actions())
        items << action->text();
    CHECK(items.join(' ').contains(QStringLiteral("粘贴")));
}
