#pragma once

#include "input/key_filter.h"

#include <QLineEdit>

namespace fuel::qt {

// A text box whose typed characters pass a key filter before they are inserted. Pasted text and
// text set by the program are not filtered; editing keys and shortcuts work as usual.
class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    FilteredLineEdit(input::FilteredField field, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool acceptsAll(const QString &typed) const;

    const input::FilteredField m_field;
};

} // namespace fuel::qt
