#include "filtered_line_edit.h"

#include <QKeyEvent>

namespace fuel::qt {

namespace {

// Ctrl, Alt and Meta chords are shortcuts (select all, copy, paste, undo), not typing.
bool isTyping(const QKeyEvent &event)
{
    const auto chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !event.text().isEmpty() && !(event.modifiers() & chords);
}

} // namespace

FilteredLineEdit::FilteredLineEdit(input::FilteredField field, QWidget *parent)
    : QLineEdit(parent),
      m_field(field)
{
    // An input method would commit text around the filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (isTyping(*event) && !acceptsAll(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool FilteredLineEdit::acceptsAll(const QString &typed) const
{
    for (const QChar c : typed) {
        if (input::filterKey(static_cast<std::int16_t>(c.unicode()), m_field) == 0)
            return false;
    }
    return true;
}

} // namespace fuel::qt
