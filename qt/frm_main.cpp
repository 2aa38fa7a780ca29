#include "frm_main.h"

#include "caption_frame.h"
#include "conversions.h"
#include "filtered_line_edit.h"
#include "fonts.h"
#include "program_icon.h"
#include "stacked_caption_button.h"

#include "calc/events.h"
#include "calc/messages.h"
#include "form/contrast.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <limits>

namespace fuel::qt {

namespace {

// The states in which a compositor or window manager gives a window a size of its own choosing.
constexpr Qt::WindowStates sizedStates{Qt::WindowMaximized | Qt::WindowFullScreen};

// Qt scales logical pixels to the screen itself, so the design's 96 dpi is the one to use.
constexpr int logicalDpi = 96;

QRect pixelsOf(const form::Twips &place)
{
    return {form::toPixels(place.left, logicalDpi), form::toPixels(place.top, logicalDpi),
            form::toPixels(place.width, logicalDpi), form::toPixels(place.height, logicalDpi)};
}

QPoint pixelsOf(form::TwipsPoint point)
{
    return {form::toPixels(point.x, logicalDpi), form::toPixels(point.y, logicalDpi)};
}

QLineEdit *textBox(const form::Control &control, QWidget *parent)
{
    const auto *field = std::get_if<calc::Field>(&control.role);
    const auto filter = field ? form::filterFor(*field) : std::nullopt;
    QLineEdit *edit = filter ? new FilteredLineEdit(*filter, parent) : new QLineEdit(parent);
    // The designed text boxes take text of any length.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setText(fromUtf8(control.text));
    if (field) {
        edit->setAccessibleName(QString::fromStdString(calc::fieldName(*field)));
        edit->setAccessibleDescription(QString::fromStdString(calc::fieldForm(*field)));
    }
    return edit;
}

QLabel *label(const form::Control &control, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(control.look.bold ? resultFont() : windowFont());
    if (control.look.centred)
        label->setAlignment(Qt::AlignCenter);
    if (control.look.boxed)
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    const QString text = fromUtf8(control.text);
    if (control.look.fitsCaption)
        setFittedText(label, text);
    else
        label->setText(text);
    // Listeners hear the rates caption without the runs of spaces that the two boxes cover.
    // Every other label is heard as it reads, so a result is heard as it changes: a name set
    // here would stay the design-time caption.
    if (const QString heard = text.simplified(); heard != text)
        label->setAccessibleName(heard);
    return label;
}

CaptionFrame *frame(const form::Control &control, QWidget *parent)
{
    auto *frame = new CaptionFrame(parent);
    frame->setTitle(fromUtf8(control.text));
    frame->setAccessibleName(frame->title().trimmed());
    return frame;
}

QCheckBox *checkBox(const form::Control &control, QWidget *parent)
{
    auto *box = new QCheckBox(fromUtf8(control.text), parent);
    box->setChecked(control.initiallyTicked);
    return box;
}

StackedCaptionButton *button(const form::Control &control, QWidget *parent)
{
    auto *button = new StackedCaptionButton(parent);
    button->setText(fromUtf8(control.text));
    return button;
}

// Opens the menu at the designed point of a widget that has the focus, for the keys that ask for
// a context menu.
class MenuKeys final : public QObject {
public:
    MenuKeys(QMenu *menu, QWidget *owner, QPoint at)
        : QObject(owner),
          m_menu(menu),
          m_at(at)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !asksForMenu(*static_cast<QKeyEvent *>(event)))
            return false;
        auto *owner = static_cast<QWidget *>(watched);
        m_menu->popup(owner->mapToGlobal(m_at));
        return true;
    }

private:
    static bool asksForMenu(const QKeyEvent &key)
    {
        return (key.key() == Qt::Key_Menu && key.modifiers() == Qt::NoModifier) ||
               (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
    }

    QMenu *const m_menu;
    const QPoint m_at;
};

// Qt announces a top-level QWidget as a plain client area; this one is the program's window,
// which screen readers expect as a frame.
QAccessibleInterface *windowAsFrame(const QString &className, QObject *object)
{
    if (className != QLatin1String(FrmMain::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

} // namespace

FrmMain::FrmMain(const runtime::Clock &clock, QWidget *parent)
    : QWidget(parent),
      m_clock(clock),
      m_timer(new QTimer(this))
{
    setUpWindow();
    createControls();
    setUpTimer();
    applyColours();
    addCopyMenu();
    applyTabOrder();
    connectEvents();
    calc::onLoad(m_view, m_clock);
    centreOnScreen();
    m_controls.at(form::firstFocus().name)->setFocus(Qt::OtherFocusReason);
}

void FrmMain::setUpWindow()
{
    static const bool framed = (QAccessible::installFactory(windowAsFrame), true);
    Q_UNUSED(framed)
    const form::WindowDesign &design = form::windowDesign();
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(fromUtf8(design.title));
    setWindowIcon(programIcon());
    // No maximise button: the window has one size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(pixelsOf({0, 0, design.clientWidth, design.clientHeight}).size());
    setFont(windowFont());
}

void FrmMain::createControls()
{
    for (const form::Control &control : form::controls()) {
        QWidget *widget = createControl(control);
        widget->setObjectName(fromUtf8(control.name));
        // Qt stacks a widget above those made before it. One that lies beneath another made
        // earlier goes just beneath it, so that a screen reader, which follows the stacking
        // order, still meets the rates caption in its row, before the boxes set into it.
        if (const form::Control *above = form::firstControlAbove(control))
            widget->stackUnder(m_controls.at(above->name));
        if (!control.look.fitsCaption)
            widget->setGeometry(pixelsOf(control.place));
        else
            widget->move(pixelsOf(control.place).topLeft());
        m_controls.emplace(control.name, widget);
        m_view.bind(control, widget);
    }
}

void FrmMain::setUpTimer()
{
    const form::TimerDesign &timer = form::timerDesign();
    m_timer->setObjectName(fromUtf8(timer.name));
    m_timer->setInterval(timer.intervalMs);
    m_view.bindTimer(m_timer);
}

QWidget *FrmMain::createControl(const form::Control &control)
{
    QWidget *parent = container(control);
    switch (control.kind) {
    case form::Kind::Frame:
        return frame(control, parent);
    case form::Kind::Label:
        return label(control, parent);
    case form::Kind::TextBox:
        return textBox(control, parent);
    case form::Kind::Button:
        return button(control, parent);
    case form::Kind::CheckBox:
        return checkBox(control, parent);
    }
    return nullptr;
}

QWidget *FrmMain::container(const form::Control &control)
{
    if (control.container.empty())
        return this;
    return m_controls.at(control.container);
}

// The designed colours on the system's light window; on a dark one, the same hues made
// readable, and a fixed background gets a text colour that reads on it.
void FrmMain::applyColours()
{
    // The window's own palette is the one already changed when a theme changes.
    const form::Rgb window = toRgb(palette().color(QPalette::Window));
    for (const form::Control &control : form::controls()) {
        const auto colours = form::designedColoursOn(control.look, window);
        if (!colours)
            continue;
        QWidget *widget = m_controls.at(control.name);
        QPalette palette = widget->palette();
        if (control.look.background) {
            widget->setAutoFillBackground(true);
            palette.setColor(QPalette::Window, toQColor(colours->background));
        }
        palette.setColor(QPalette::WindowText, toQColor(colours->text));
        widget->setPalette(palette);
    }
}

void FrmMain::changeEvent(QEvent *event)
{
    // A new desktop theme reaches the window as a change of its palette.
    if (event->type() == QEvent::PaletteChange)
        applyColours();
    if (event->type() == QEvent::WindowStateChange && (windowState() & sizedStates))
        QMetaObject::invokeMethod(this, &FrmMain::leaveSizedState, Qt::QueuedConnection);
    QWidget::changeEvent(event);
}

// The officer copies the figures into the log, from the menu that the design offers.
void FrmMain::addCopyMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("copyMenu"));
    QAction *copy = menu->addAction(QString::fromUtf8(calc::copyResultsAction));
    connect(copy, &QAction::triggered, this, &FrmMain::copyResults);

    QWidget *group = m_controls.at(form::copyMenuGroup().name);
    group->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(group, &QWidget::customContextMenuRequested, menu,
            [menu, group](const QPoint &at) { menu->popup(group->mapToGlobal(at)); });
    for (const form::Control &control : form::controls()) {
        if (form::opensCopyMenuFromKeys(control)) {
            QWidget *owner = m_controls.at(control.name);
            owner->installEventFilter(
                new MenuKeys(menu, owner, pixelsOf(form::copyMenuPointFromKeys(control))));
        }
    }
}

void FrmMain::copyResults() const
{
    QApplication::clipboard()->setText(QString::fromStdString(calc::resultsForClipboard(m_view)));
}

void FrmMain::applyTabOrder()
{
    const auto order = form::tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(m_controls.at(order[i - 1]->name), m_controls.at(order[i]->name));
}

void FrmMain::connectEvents()
{
    connect(m_view.calculateButton(), &QPushButton::clicked, this,
            [this] { calc::onCalculateClicked(m_view); });
    connect(m_view.option(calc::Option::RealTime), &QCheckBox::toggled, this,
            [this] { calc::onRealTimeToggled(m_view); });
    connect(m_timer, &QTimer::timeout, this, [this] { calc::onTimerTick(m_view, m_clock); });
}

// Where Qt draws the title bar itself (on Wayland, unless the compositor draws it), it offers
// maximise whatever the window's flags say, and the compositor obeys; a compositor may also make
// any window full screen. The window has one size, so it leaves such a state once Qt has taken
// it. A compositor that puts it straight back (a kiosk or a phone shell, which keep every window
// so) has the last word: leaving again would only start a loop.
void FrmMain::leaveSizedState()
{
    constexpr qint64 straightBackMs = 500;
    if (!(windowState() & sizedStates))
        return;
    if (m_sizedStateLeft.isValid() && !m_sizedStateLeft.hasExpired(straightBackMs))
        return;
    m_sizedStateLeft.start();
    setWindowState(windowState() & ~sizedStates);
}

void FrmMain::centreOnScreen()
{
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));
}

} // namespace fuel::qt
