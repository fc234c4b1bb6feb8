#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include "dates/DateFieldText.h"

#include <QWidget>

#include <optional>

class QAction;
class QCalendarWidget;
class QLineEdit;
class QToolButton;

namespace quillfen {

// A date typed in the locale's short format or as ISO 8601, with a button that opens a
// calendar. A text that names no date is marked and its tooltip says what the field takes.
class DateField final : public QWidget {
    Q_OBJECT

public:
    explicit DateField(QWidget* parent = nullptr);

    // The span the text names, nullopt while it names none.
    std::optional<InstantSpan> span() const { return m_span; }
    QString text() const;
    void setText(const QString& text);
    QLineEdit* edit() const { return m_edit; }
    QToolButton* calendarButton() const { return m_button; }

signals:
    void spanChanged();

private:
    void readText();
    void openCalendar();

    QLineEdit* m_edit;
    QToolButton* m_button;
    QAction* m_invalidMark;
    QCalendarWidget* m_calendar = nullptr; // made when first opened
    std::optional<InstantSpan> m_span;
};

} // namespace quillfen
