// The behaviour suite's driver over the Qt window, and the main of the Qt window tests: the
// events are real key presses and clicks sent through Qt Test, the message boxes real boxes.

#define DOCTEST_CONFIG_IMPLEMENT
#include "qt_window.h"
#include "window_driver.h"

#include "form/design.h"
#include "qt/application.h"
#include "qt/conversions.h"
#include "qt/frm_main.h"

#include <doctest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <map>

namespace fuel::testing {

namespace {

// Reads each message box as it is shown and closes it from inside its own modal loop, as a
// click on its button would.
class BoxReader final : public QObject {
public:
    BoxReader() { qApp->installEventFilter(this); }
    ~BoxReader() override { qApp->removeEventFilter(this); }

    std::vector<ShownBox> shown;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show) {
            std::vector<std::string> buttons;
            for (const QAbstractButton *button : box->buttons())
                buttons.push_back(button->text().toStdString());
            shown.push_back({box->windowTitle().toStdString(), box->text().toStdString(), buttons,
                             box->icon() == QMessageBox::Critical,
                             qobject_cast<qt::FrmMain *>(box->parentWidget()) != nullptr});
            QTimer::singleShot(0, box, &QMessageBox::accept);
        }
        return QObject::eventFilter(watched, event);
    }
};

class QtDriver final : public WindowDriver {
public:
    explicit QtDriver(runtime::LocalDateTime moment)
    {
        clock.moment = moment;
        m_window = std::make_unique<qt::FrmMain>(clock);
        m_window->show();
        REQUIRE(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
        REQUIRE(QTest::qWaitForWindowActive(m_window.get()));
    }

    void type(Target field, std::string_view utf8) override
    {
        auto *edit = control<QLineEdit>(field);
        edit->setFocus();
        edit->clear();
        // Keys type ASCII; the rest comes as an input method commits it, a run at a time.
        const QString text = fromUtf8(utf8);
        for (qsizetype start = 0; start < text.size();) {
            const bool ascii = text[start].unicode() < 0x80;
            qsizetype end = start;
            while (end < text.size() && (text[end].unicode() < 0x80) == ascii)
                ++end;
            const QString run = text.mid(start, end - start);
            if (ascii) {
                QTest::keyClicks(edit, run);
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(run);
                QApplication::sendEvent(edit, &commit);
            }
            start = end;
        }
    }
    void paste(Target field, std::string_view utf8) override
    {
        auto *edit = control<QLineEdit>(field);
        edit->selectAll();
        edit->insert(fromUtf8(utf8));
    }
    void click(Target target) override { QTest::mouseClick(control(target), Qt::LeftButton); }
    void focus(Target target) override { control(target)->setFocus(); }
    void switchToAnotherWindow() override
    {
        m_other = std::make_unique<QWidget>();
        m_other->show();
        m_other->activateWindow();
        REQUIRE(QTest::qWaitForWindowActive(m_other.get()));
    }
    void switchBack() override
    {
        m_window->activateWindow();
        REQUIRE(QTest::qWaitForWindowActive(m_window.get()));
        m_other.reset();
    }
    void press(Key key) override
    {
        static const std::map<Key, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
            {Key::Tab, {Qt::Key_Tab, Qt::NoModifier}},
            {Key::BackTab, {Qt::Key_Backtab, Qt::ShiftModifier}},
            {Key::Space, {Qt::Key_Space, Qt::NoModifier}},
            {Key::Return, {Qt::Key_Return, Qt::NoModifier}},
            {Key::Enter, {Qt::Key_Enter, Qt::NoModifier}},
            {Key::Escape, {Qt::Key_Escape, Qt::NoModifier}},
            {Key::SelectAll, {Qt::Key_A, Qt::ControlModifier}},
            {Key::Paste, {Qt::Key_V, Qt::ControlModifier}},
            {Key::Cut, {Qt::Key_X, Qt::ControlModifier}}};
        const auto &[code, modifiers] = keys.at(key);
        QTest::keyClick(m_window->focusWidget(), code, modifiers);
    }
    void copyThroughMenu(Target target, MenuWay way) override
    {
        QWidget *widget = control(target);
        widget->setFocus();
        if (way == MenuWay::RightClick) {
            const QPoint at(20, widget->height() - 10);
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
            QApplication::sendEvent(widget, &event);
        } else {
            QTest::keyClick(widget, way == MenuWay::MenuKey ? Qt::Key_Menu : Qt::Key_F10,
                            way == MenuWay::MenuKey ? Qt::NoModifier : Qt::ShiftModifier);
        }
        auto *menu = m_window->findChild<QMenu *>(QStringLiteral("copyMenu"));
        if (menu && menu->isVisible())
            menu->actions().constFirst()->trigger();
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    }

    std::string text(Target target) const override
    {
        const QWidget *widget = control(target);
        if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
            return edit->text().toStdString();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            return label->text().toStdString();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            return button->text().toStdString();
        return widget->windowTitle().toStdString();
    }
    bool isEnabled(Target target) const override { return control(target)->isEnabled(); }
    bool isTicked(Target target) const override
    {
        return control<QAbstractButton>(target)->isChecked();
    }
    Target focused() const override
    {
        // The window's own focus, which it keeps while a message box is active.
        const QWidget *widget = m_window->focusWidget();
        return widget ? Target::named(widget->objectName().toStdString()) : Target();
    }
    bool timerRunning() const override { return timer()->isActive(); }
    bool moveToDensity(int) override { return false; }
    Rect place(Target target) const override
    {
        const QWidget *widget = control(target);
        const QPoint at =
            widget == m_window.get() ? QPoint() : widget->mapTo(m_window.get(), QPoint());
        return {at.x(), at.y(), widget->width(), widget->height()};
    }
    int textWidth(Target target, std::string_view utf8) const override
    {
        return control(target)->fontMetrics().horizontalAdvance(fromUtf8(utf8));
    }
    DrawnFont font(Target target) const override
    {
        const QFont font = control(target)->font();
        return {QFontInfo(font).family().toStdString(), font.pointSize(), font.bold()};
    }
    form::Colours colours(Target target) const override
    {
        const QPalette palette = control(target)->palette();
        return {qt::toRgb(palette.color(QPalette::WindowText)),
                qt::toRgb(palette.color(QPalette::Window))};
    }
    std::string clipboardText() const override
    {
        return QApplication::clipboard()->text().toStdString();
    }
    void setClipboardText(std::string_view utf8) override
    {
        QApplication::clipboard()->setText(fromUtf8(utf8));
    }

    const std::vector<ShownBox> &boxes() const override { return m_boxes.shown; }
    void forgetBoxes() override { m_boxes.shown.clear(); }

    void tick() override
    {
        if (timer()->isActive())
            QMetaObject::invokeMethod(timer(), "timeout");
    }
    void wait(int milliseconds) override { QTest::qWait(milliseconds); }
    std::size_t longestDigitRun() const override { return std::size_t(-1); }

private:
    template <class Widget = QWidget> Widget *control(Target target) const
    {
        if (target.isWindow())
            return qobject_cast<Widget *>(m_window.get());
        return childOf<Widget>(*m_window, target);
    }
    QTimer *timer() const
    {
        return m_window->findChild<QTimer *>(fromUtf8(form::timerDesign().name));
    }

    BoxReader m_boxes;
    std::unique_ptr<qt::FrmMain> m_window;
    std::unique_ptr<QWidget> m_other;
};

} // namespace

std::unique_ptr<WindowDriver> openWindow(runtime::LocalDateTime moment)
{
    return std::make_unique<QtDriver>(moment);
}

} // namespace fuel::testing

// The application set up as the program sets it up, before any case runs, so that no case
// depends on another having run first.
int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    fuel::qt::setUpApplication();
    return doctest::Context(argc, argv).run();
}
