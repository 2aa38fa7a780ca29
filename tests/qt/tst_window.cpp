#include "window_fixture.h"

#include "form/contrast.h"
#include "qt/frm_main.h"
#include "qt/qt_translations.h"
#include "window_cases.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using fuel::qt::FrmMain;
using fuel::testing::FixedClock;
namespace cases = fuel::testing::cases;
using cases::Calculation;
using cases::Place;
using cases::Typing;

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

template <std::size_t N> QStringList texts(const std::array<std::string_view, N> &items)
{
    QStringList list;
    for (const std::string_view item : items)
        list << text(item);
    return list;
}

// A clock that moves on by one second at every reading.
class RunningClock final : public fuel::runtime::Clock {
public:
    explicit RunningClock(fuel::runtime::LocalDateTime start)
        : m_next(start)
    {
    }
    fuel::runtime::LocalDateTime now() const override
    {
        const auto reading = m_next;
        m_next = {{2007, 4, 27}, {0, 0, 0}};
        ++readings;
        return reading;
    }
    mutable int readings = 0;

private:
    mutable fuel::runtime::LocalDateTime m_next;
};

} // namespace

class TestWindow : public QObject, private fuel::testing::WindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void windowIsFixedAndTitled();
    void sizedStateIsLeftOnce_data();
    void sizedStateIsLeftOnce();
    void geometry_data();
    void geometry();
    void fontMetrics();
    void rateBoxesCoverNoCaptionCharacter();
    void resultLabelsFontAndColour_data();
    void resultLabelsFontAndColour();
    void creditLabel();
    void calculateButton();
    void captionsAreNotClipped();
    void grabIsTheDrawingScaled();
    void accessibleNames_data();
    void accessibleNames();
    void resultsHeardAsShown();
    void copyResults_data();
    void copyResults();
    void fieldsKeepTheirEditingMenu();
    void darkTheme_data();
    void darkTheme();

    void startUpTakesOneClockReading();

    void typingAndCalculating_data();
    void typingAndCalculating();
    void spacePressesTheButton();
    void longResultWidensLabel();
    void tabOrder();
    void tabOrderSkipsDisabledInRealTime();
    void enterComputesNothing();
    void typedCharactersAreFiltered_data();
    void typedCharactersAreFiltered();
    void pastedTextIsNotFiltered();

    void badInputNamesTheField();
    void errorBox();
    void qtTextsInChinese();
    void realTimeThroughTheWindow();
    void realTimeRefusedStartFields();

private:
    QLineEdit *edit(const char *name) const { return child<QLineEdit>(name); }
    QString caption(const char *name) const { return child<QLabel>(name)->text(); }
    void replaceText(const char *name, const QString &text) const;
    void showWindow();
    static QStringList tabVisits(int presses);
    QMenu *openedCopyMenu(QWidget *over, const std::function<void()> &open);
};

void TestWindow::init() { openWindow({{2007, 4, 26}, {9, 30, 0}}); }

void TestWindow::cleanup() { m_window.reset(); }

void TestWindow::showWindow()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestWindow::replaceText(const char *name, const QString &text) const
{
    QLineEdit *field = edit(name);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

void TestWindow::windowIsFixedAndTitled()
{
    QCOMPARE(m_window->size(), QSize(369, 290));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Oradel - Lirra工作专版"));
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(m_window->windowIcon().availableSizes().size(), 3);
    for (const int side : {16, 32})
        QCOMPARE(m_window->windowIcon().pixmap(side).deviceIndependentSize(), QSizeF(side, side));
    QVERIFY(!child<QCheckBox>("Check1")->isChecked());
    QVERIFY(child<QCheckBox>("Check2")->isChecked());
    const auto *timer = child<QTimer>("Timer1");
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 900);
}

void TestWindow::sizedStateIsLeftOnce_data()
{
    QTest::addColumn<Qt::WindowState>("state");
    QTest::newRow("maximised") << Qt::WindowMaximized;
    QTest::newRow("full screen") << Qt::WindowFullScreen;
}

// As a compositor puts it: the window leaves the state, and, put straight back, stays in it.
void TestWindow::sizedStateIsLeftOnce()
{
    QFETCH(Qt::WindowState, state);
    showWindow();
    m_window->setWindowState(state);
    QTRY_COMPARE(m_window->windowState(), Qt::WindowNoState);
    QCOMPARE(m_window->size(), QSize(369, 290));
    m_window->setWindowState(state);
    QCoreApplication::processEvents();
    QCOMPARE(m_window->windowState(), state);
}

void TestWindow::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");
    for (const Place &place : cases::placesAt96Dpi) {
        QTest::newRow(place.name.data()) << text(place.name) << text(place.container)
                                         << QRect(place.left, place.top, place.width, place.height);
    }
}

void TestWindow::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    const QWidget *control = child(qPrintable(name));
    QCOMPARE(control->parentWidget()->objectName(), container);
    if (pixels.width() < 0) { // a result label: as wide as its caption in bold
        const auto *label = qobject_cast<const QLabel *>(control);
        pixels.setWidth(label->fontMetrics().horizontalAdvance(label->text()));
    }
    QCOMPARE(control->geometry(), pixels);
}

void TestWindow::fontMetrics()
{
    const QLabel *label = child<QLabel>("Label(2)");
    const QFontMetrics metrics = label->fontMetrics();
    QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("AR PL UMing CN"));
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("油")), 12);
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("：")), 12);
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral(" ")), 6);
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("0")), 6);
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("(")), 6);
    QCOMPARE(metrics.height(), 12);
    QCOMPARE(QFontInfo(child<QLineEdit>("Text1")->font()).family(),
             QStringLiteral("AR PL UMing CN"));
}

void TestWindow::rateBoxesCoverNoCaptionCharacter()
{
    const QLabel *caption = child<QLabel>("Label(1)");
    const QFontMetrics metrics = caption->fontMetrics();
    const QString text = caption->text();
    const QRect boxes[] = {child("Text1")->geometry(), child("Text2")->geometry()};
    int x = caption->x();
    for (const QChar c : text) {
        const int width = metrics.horizontalAdvance(c);
        for (const QRect &box : boxes) {
            const bool overlaps = x < box.right() + 1 && box.left() < x + width;
            QVERIFY2(c == ' ' || !overlaps, qPrintable(QStringLiteral("box covers '%1'").arg(c)));
        }
        x += width;
    }
    QCOMPARE(x, caption->geometry().right() + 1); // the caption is drawn on one line
}

void TestWindow::resultLabelsFontAndColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Label1 main") << "Label1" << QColor(0, 0, 255);
    QTest::newRow("Label2 auxiliary") << "Label2" << QColor(0, 128, 0);
    QTest::newRow("Label3 total") << "Label3" << QColor(192, 0, 0);
    QTest::newRow("Label4 time") << "Label4" << QColor(255, 128, 0);
    QTest::newRow("Label5 days") << "Label5" << QColor(255, 128, 0);
}

void TestWindow::resultLabelsFontAndColour()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    const QLabel *label = child<QLabel>(qPrintable(name));
    QCOMPARE(label->font().weight(), QFont::Bold);
    QVERIFY(!label->font().italic() && !label->font().underline() && !label->font().strikeOut());
    QCOMPARE(label->font().pointSize(), 9);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->fontMetrics().height(), 12);
}

void TestWindow::creditLabel()
{
    const auto *credit = child<QLabel>("Label(0)");
    QVERIFY(!credit->text().isEmpty());
    QCOMPARE(credit->alignment(), Qt::AlignCenter);
    QVERIFY(credit->autoFillBackground());
    QCOMPARE(credit->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(credit->frameShape(), QFrame::Box);
    QVERIFY(credit->fontMetrics().horizontalAdvance(credit->text()) < credit->width());
}

namespace {

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

// As a desktop changes its theme: the running event loop tells every window, which QtTest's
// loop-less run does not, so the window is told here.
void switchTheme(const QPalette &palette, QWidget *window)
{
    QApplication::setPalette(palette);
    QEvent changed(QEvent::ApplicationPaletteChange);
    QApplication::sendEvent(window, &changed);
}

double contrast(const QColor &a, const QColor &b)
{
    auto rgb = [](const QColor &c) {
        return fuel::form::Rgb{static_cast<std::uint8_t>(c.red()),
                               static_cast<std::uint8_t>(c.green()),
                               static_cast<std::uint8_t>(c.blue())};
    };
    return fuel::form::contrastRatio(rgb(a), rgb(b));
}

} // namespace

// Every text of the window against what it stands on, in the colours the widgets use.
void TestWindow::darkTheme_data()
{
    QTest::addColumn<bool>("openedDark");
    QTest::newRow("opened in a dark theme") << true;
    QTest::newRow("turned dark while open") << false;
}

void TestWindow::darkTheme()
{
    QFETCH(bool, openedDark);
    const QPalette light = QApplication::palette();
    const auto restore = qScopeGuard([&light] { QApplication::setPalette(light); });
    if (openedDark) {
        QApplication::setPalette(darkPalette());
        openWindow({{2007, 4, 26}, {9, 30, 0}});
    } else {
        switchTheme(darkPalette(), m_window.get());
    }

    for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label(0)",
                             "Label(1)", "Label(2)", "Label(3)"}) {
        const QWidget *label = child(name);
        const QPalette &palette = label->palette();
        const double ratio =
            contrast(palette.color(QPalette::WindowText), palette.color(QPalette::Window));
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(name).arg(ratio)));
    }
    QCOMPARE(child("Label(0)")->palette().color(QPalette::Window), QColor(Qt::white));
    // The designed hue stays: blue stays blue.
    const QColor main = child("Label1")->palette().color(QPalette::WindowText);
    QVERIFY(main.blue() == 255 && main.red() == main.green() && main.red() < 255);

    // Back in the light theme, the designed colours exactly.
    switchTheme(light, m_window.get());
    QCOMPARE(child("Label1")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(child("Label4")->palette().color(QPalette::WindowText), QColor(255, 128, 0));
}

void TestWindow::calculateButton()
{
    auto *button = child<QPushButton>("Command1");
    QCOMPARE(button->text(), QStringLiteral("计算"));
    QVERIFY(!button->isDefault() && !button->autoDefault());

    // Drawn one character per line: the ink is one character wide and two lines high.
    const QImage image = button->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    QRect ink;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            if (qGray(image.pixel(x, y)) < 160)
                ink |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY2(ink.width() <= 12 * scale, qPrintable(QString::number(ink.width())));
    QVERIFY2(ink.height() > 18 * scale, qPrintable(QString::number(ink.height())));
}

// At any scale factor: check box captions fit their boxes, and a line of text fits a field.
void TestWindow::captionsAreNotClipped()
{
    for (const char *name : {"Check1", "Check2"}) {
        const QWidget *box = child(name);
        QVERIFY2(box->sizeHint().width() <= box->width(), name);
    }
    for (const char *name : {"Text1", "TxtStartDate1", "TxtStartTime2"}) {
        const QLineEdit *field = edit(name);
        QVERIFY2(field->fontMetrics().height() <= field->height() - 4, name);
    }
}

void TestWindow::grabIsTheDrawingScaled()
{
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    const QImage image = m_window->grab().toImage();
    QCOMPARE(image.size(), QSize(qRound(369 * scale), qRound(290 * scale)));
}

void TestWindow::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("Text1") << "Text1" << QAccessible::EditableText << "主机耗油量";
    QTest::newRow("Text2") << "Text2" << QAccessible::EditableText << "副机耗油量";
    QTest::newRow("TxtStartDate1") << "TxtStartDate1" << QAccessible::EditableText << "开始日期";
    QTest::newRow("TxtStartTime1") << "TxtStartTime1" << QAccessible::EditableText << "开始时间";
    QTest::newRow("TxtStartDate2") << "TxtStartDate2" << QAccessible::EditableText << "结束日期";
    QTest::newRow("TxtStartTime2") << "TxtStartTime2" << QAccessible::EditableText << "结束时间";
    QTest::newRow("Command1") << "Command1" << QAccessible::Button << "计算";
    QTest::newRow("Check1") << "Check1" << QAccessible::CheckBox << "实时计算油量";
    QTest::newRow("Check2") << "Check2" << QAccessible::CheckBox << "保留三位小数并四舍五入";
    QTest::newRow("Label1") << "Label1" << QAccessible::StaticText << "主机用油量：0 公斤";
    QTest::newRow("Label4") << "Label4" << QAccessible::StaticText << "时差：0";
}

void TestWindow::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, spoken);
    QAccessibleInterface *accessible =
        QAccessible::queryAccessibleInterface(child(qPrintable(name)));
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), role);
    QCOMPARE(accessible->text(QAccessible::Name), spoken);
}

// A screen reader hears the window as a frame, and each result as it now reads, in one phrase.
void TestWindow::resultsHeardAsShown()
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_window.get());
    QVERIFY(window);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Oradel - Lirra工作专版"));
    QTest::mouseClick(child("Command1"), Qt::LeftButton);
    const std::pair<const char *, const char *> heard[] = {{"Label1", "主机用油量：617.500 公斤"},
                                                           {"Label2", "副机用油量：142.5 公斤"},
                                                           {"Label5", "日差：0天"},
                                                           {"Label3", "总共用油量：760 公斤"},
                                                           {"Label4", "时差：09时30分"}};
    for (const auto &[name, spoken] : heard) {
        QCOMPARE(QAccessible::queryAccessibleInterface(child(name))->text(QAccessible::Name),
                 QString::fromUtf8(spoken));
    }
}

// The menu that "复制" is on, as it opens over the widget: by the mouse, or from the keyboard.
QMenu *TestWindow::openedCopyMenu(QWidget *over, const std::function<void()> &open)
{
    auto *menu = m_window->findChild<QMenu *>(QStringLiteral("copyMenu"));
    if (!menu)
        return nullptr;
    open();
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000))
        return nullptr;
    Q_UNUSED(over);
    return menu;
}

void TestWindow::copyResults_data()
{
    QTest::addColumn<QString>("over");
    QTest::addColumn<int>("how"); // 0 right click, 1 menu key, 2 Shift+F10
    QTest::newRow("right click on the status group") << "Frame(1)" << 0;
    QTest::newRow("menu key on the button") << "Command1" << 1;
    QTest::newRow("Shift+F10 on the button") << "Command1" << 2;
    QTest::newRow("menu key on the real-time box") << "Check1" << 1;
    QTest::newRow("Shift+F10 on the decimals box") << "Check2" << 2;
}

void TestWindow::copyResults()
{
    QFETCH(QString, over);
    QFETCH(int, how);
    showWindow();
    QTest::mouseClick(child("Command1"), Qt::LeftButton);
    QWidget *target = child(over);
    target->setFocus();
    QMenu *menu = openedCopyMenu(target, [target, how] {
        if (how == 0) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                                    target->mapToGlobal(QPoint(20, 20)));
            QApplication::sendEvent(target, &event);
        } else if (how == 1) {
            QTest::keyClick(target, Qt::Key_Menu);
        } else {
            QTest::keyClick(target, Qt::Key_F10, Qt::ShiftModifier);
        }
    });
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 1);
    QAction *copy = menu->actions().constFirst();
    QCOMPARE(copy->text(), QStringLiteral("复制"));
    copy->trigger();
    menu->close();
    QCOMPARE(
        QApplication::clipboard()->text(),
        QStringLiteral("主机用油量：617.500 公斤\n副机用油量：142.5 公斤\n总共用油量：760 公斤\n"
                       "时差：09时30分\n日差：0天"));
}

// In a text field the menu key keeps opening the field's own editing menu.
void TestWindow::fieldsKeepTheirEditingMenu()
{
    showWindow();
    QLineEdit *field = edit("Text1");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Menu);
    QTest::keyClick(field, Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(!m_window->findChild<QMenu *>(QStringLiteral("copyMenu"))->isVisible());
    QCOMPARE(field->contextMenuPolicy(), Qt::DefaultContextMenu);
}

void TestWindow::startUpTakesOneClockReading()
{
    RunningClock clock({{2007, 4, 26}, {23, 59, 59}});
    const FrmMain window(clock);
    QCOMPARE(clock.readings, 1);
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("TxtStartDate2"))->text(),
             QStringLiteral("2007-04-26"));
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("TxtStartTime2"))->text(),
             QStringLiteral("23:59:59"));
}

void TestWindow::typingAndCalculating_data()
{
    QTest::addColumn<QStringList>("texts"); // the six fields, in the order of their names below
    QTest::addColumn<bool>("threeDecimals");
    QTest::addColumn<QStringList>("captions");
    for (const Calculation &c : cases::calculations) {
        QTest::newRow(c.row.data())
            << QStringList{text(c.mainRate),  text(c.auxRate), text(c.startDate),
                           text(c.startTime), text(c.endDate), text(c.endTime)}
            << c.threeDecimals << texts(c.captions);
    }
}

// Typed as the officer types them, and "计算" clicked.
void TestWindow::typingAndCalculating()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, threeDecimals);
    QFETCH(QStringList, captions);
    showWindow();
    const char *fields[] = {"Text1",         "Text2",         "TxtStartDate1",
                            "TxtStartTime1", "TxtStartDate2", "TxtStartTime2"};
    for (int i = 0; i < 6; ++i)
        replaceText(fields[i], texts[i]);
    if (!threeDecimals)
        QTest::mouseClick(child("Check2"), Qt::LeftButton);
    QTest::mouseClick(child("Command1"), Qt::LeftButton);
    const QStringList shown{caption("Label1"), caption("Label2"), caption("Label3"),
                            caption("Label4"), caption("Label5")};
    QCOMPARE(shown, captions);
    QVERIFY(messages().isEmpty());
}

// Space on the focused button presses it, as a click does.
void TestWindow::spacePressesTheButton()
{
    showWindow();
    child("Command1")->setFocus();
    QTest::keyClick(child("Command1"), Qt::Key_Space);
    QCOMPARE(caption("Label1"), QStringLiteral("主机用油量：617.500 公斤"));
}

void TestWindow::longResultWidensLabel()
{
    showWindow();
    const QLabel *label = child<QLabel>("Label1");
    const int designedWidth = label->width();
    replaceText("Text1", QStringLiteral("9999"));
    QTest::mouseClick(child("Command1"), Qt::LeftButton); // 00:00 to 09:30, 9499.050 kg
    QCOMPARE(label->text(), QStringLiteral("主机用油量：94990.500 公斤"));
    QVERIFY(label->width() > designedWidth);
    QCOMPARE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    QCOMPARE(label->height(), 12);
    QCOMPARE(label->pos(), QPoint(16, 32));
}

QStringList TestWindow::tabVisits(int presses)
{
    QStringList visited;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}

void TestWindow::tabOrder()
{
    showWindow();
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Check1"));
    QCOMPARE(tabVisits(int(cases::tabCycle.size())), texts(cases::tabCycle));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
}

void TestWindow::tabOrderSkipsDisabledInRealTime()
{
    showWindow();
    QTest::keyClick(child("Check1"), Qt::Key_Space); // the focus starts on the box
    QVERIFY(child<QCheckBox>("Check1")->isChecked());
    QCOMPARE(tabVisits(int(cases::tabCycleInRealTime.size())), texts(cases::tabCycleInRealTime));
}

void TestWindow::enterComputesNothing()
{
    showWindow();
    const QStringList before{caption("Label1"), caption("Label4")};
    for (const char *name : {"Text1", "Text2", "TxtStartDate1", "TxtStartTime1", "TxtStartDate2",
                             "TxtStartTime2", "Check1", "Check2"}) {
        child(name)->setFocus();
        QTest::keyClick(child(name), Qt::Key_Return);
        QTest::keyClick(child(name), Qt::Key_Enter);
        QTest::keyClick(child(name), Qt::Key_Escape);
    }
    QCOMPARE((QStringList{caption("Label1"), caption("Label4")}), before);

    // The focused button is pressed by Enter, as on Windows.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        edit("Text1")->setText(key == Qt::Key_Return ? QStringLiteral("60") : QStringLiteral("6"));
        child("Command1")->setFocus();
        QTest::keyClick(child("Command1"), key);
        QCOMPARE(caption("Label1"), key == Qt::Key_Return
                                        ? QStringLiteral("主机用油量：570.000 公斤")
                                        : QStringLiteral("主机用油量：57.000 公斤"));
    }
}

void TestWindow::typedCharactersAreFiltered_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    for (const Typing &typing : cases::typingCases)
        QTest::newRow(typing.row.data())
            << text(typing.field) << text(typing.typed) << text(typing.kept);
}

void TestWindow::typedCharactersAreFiltered()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    showWindow();
    QLineEdit *target = edit(qPrintable(field));
    target->clear();
    target->setFocus();
    QTest::keyClicks(target, typed);
    QCOMPARE(target->text(), expected);
    // An input method would commit text around the filter, so the filtered fields have none.
    const bool filtered = !field.startsWith(QStringLiteral("TxtStart")) || field.endsWith('1');
    QCOMPARE(target->testAttribute(Qt::WA_InputMethodEnabled), !filtered);
    // Enter and Escape insert nothing.
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClick(target, Qt::Key_Escape);
    QCOMPARE(target->text(), expected);
}

void TestWindow::pastedTextIsNotFiltered()
{
    showWindow();
    QLineEdit *rate = edit("Text1");
    rate->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("7.5"));
    rate->selectAll();
    QTest::keyClick(rate, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(rate->text(), QStringLiteral("7.5"));
    QTest::keyClick(rate, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(rate, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(rate->text(), QString());
}

void TestWindow::badInputNamesTheField()
{
    showWindow();
    const QString before = caption("Label1");
    edit("Text1")->clear();
    QTest::mouseClick(child("Command1"), Qt::LeftButton);
    QCOMPARE(messages(), QStringList{"主机耗油量应为整数公斤数（例如 65），请重新输入。"});
    QCOMPARE(caption("Label1"), before);
    QCOMPARE(m_window->focusWidget()->objectName(), QStringLiteral("Text1"));

    // The program goes on: with the field mended, the same click computes.
    QTest::keyClicks(edit("Text1"), QStringLiteral("60"));
    QTest::mouseClick(child("Command1"), Qt::LeftButton);
    QCOMPARE(caption("Label1"), QStringLiteral("主机用油量：570.000 公斤"));
    QCOMPARE(messages().size(), 1);
}

void TestWindow::errorBox()
{
    showWindow();
    edit("TxtStartTime2")->setText(QStringLiteral("x"));
    QTest::mouseClick(child("Command1"), Qt::LeftButton);
    QCOMPARE(m_boxes.shown.size(), 1);
    const fuel::testing::ShownMessage &box = m_boxes.shown.constFirst();
    QCOMPARE(box.title, QStringLiteral("错误"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QStringList{QStringLiteral("确定")});
    QCOMPARE(box.text,
             QStringLiteral("结束时间应为 hh:mm:ss 格式的时间（例如 08:30:00），请重新输入。"));
    QCOMPARE(m_window->focusWidget(), edit("TxtStartTime2"));
}

void TestWindow::qtTextsInChinese()
{
    QVERIFY(fuel::qt::installChineseQtTexts());
    const std::unique_ptr<QMenu> menu(edit("TxtStartDate2")->createStandardContextMenu());
    QStringList items;
    for (const QAction *action : menu->actions())
        items << action->text();
    QVERIFY2(items.join(' ').contains(QStringLiteral("粘贴")), qPrintable(items.join(' ')));
}

void TestWindow::realTimeThroughTheWindow()
{
    showWindow();
    auto *timer = child<QTimer>("Timer1");
    QTest::mouseClick(child("Check1"), Qt::LeftButton);
    QVERIFY(timer->isActive());
    QVERIFY(!child("TxtStartDate1")->isEnabled());
    QVERIFY(!child("TxtStartTime1")->isEnabled());
    QVERIFY(!child("Command1")->isEnabled());
    QVERIFY(child("Text1")->isEnabled() && child("TxtStartDate2")->isEnabled());

    m_clock.moment = {{2007, 4, 27}, {0, 30, 0}};
    QMetaObject::invokeMethod(timer, "timeout");
    QCOMPARE(caption("Label5"), QStringLiteral("日差：1天"));
    QCOMPARE(caption("Label1"), QStringLiteral("主机用油量：1592.500 公斤"));

    QTest::mouseClick(child("Check1"), Qt::LeftButton);
    QVERIFY(!timer->isActive());
    QVERIFY(child("TxtStartDate1")->isEnabled() && child("Command1")->isEnabled());
    QCOMPARE(caption("Label1"), QStringLiteral("主机用油量：1592.500 公斤"));
}

void TestWindow::realTimeRefusedStartFields()
{
    showWindow();
    edit("TxtStartTime1")->setText(QStringLiteral("8:00:00"));
    QTest::mouseClick(child("Check1"), Qt::LeftButton);
    QCOMPARE(messages(), QStringList{"日期或时间格式错误，请重新输入。"});
    QVERIFY(!child<QCheckBox>("Check1")->isChecked());
    QVERIFY(!child<QTimer>("Timer1")->isActive());
    QVERIFY(child("TxtStartTime1")->isEnabled() && child("Command1")->isEnabled());
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
