#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include <QCheckBox>

#include <functional>

namespace quillfen {

// A check box with the values 0 (clear), 1 (ticked) and 2 (greyed). A change made by the
// program runs the change handler inside setValue(), so its failures reach that caller; a
// change made by the user's click emits userChanged() instead.
class DateBox final : public QCheckBox {
    Q_OBJECT

public:
    using ChangeHandler = std::function<void()>;

    DateBox(const QString& caption, QWidget* parent = nullptr);

    int value() const;
    // Throws a Failure for a value other than 0, 1 or 2, leaving the box as it was.
    void setValue(int value);

    void setChangeHandler(ChangeHandler handler) { m_handler = std::move(handler); }

signals:
    void userChanged();

protected:
    void nextCheckState() override;

private:
    ChangeHandler m_handler;
};

} // namespace quillfen
