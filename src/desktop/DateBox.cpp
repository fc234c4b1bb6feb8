#include "desktop/DateBox.h"
#include "base/Texts.h"

#include "base/Failure.h"

#include <QSignalBlocker>

namespace quillfen {

DateBox::DateBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::clicked, this, &DateBox::userChanged);
}

int DateBox::value() const
{
    switch (checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

void DateBox::setValue(int value)
{
    if (value < 0 || value > 2)
        throw Failure(texts::kInvalidPropertyValue());
    if (value == this->value())
        return;
    {
        const QSignalBlocker blocker(this);
        setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    }
    if (m_handler)
        m_handler();
}

void DateBox::nextCheckState()
{
    // The user only ever ticks or clears; greyed is a value the program sets.
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

} // namespace quillfen
