#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include <QWidget>

class QLabel;
class QPushButton;

namespace quillfen {

// The line under the progress bar: the counts of the lists, what the last command did, and,
// while a long command runs, a "Stop" button.
class StatusBar final : public QWidget {
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    // `shown` is how many of the results the filter shows, -1 while it shows every row.
    void setCounts(int listed, int results, int ticked, int shown = -1);
    QString counts() const;
    // What the last command did, in one line; empty says nothing.
    void setSummary(const QString& text);
    QString summary() const;
    void setStopShown(bool shown);
    QPushButton* stopButton() const { return m_stop; }

signals:
    void stopClicked();

private:
    QLabel* m_counts;
    QLabel* m_summary;
    QPushButton* m_stop;
    int m_shownCounts[4] = {-1, -1, -1, -2};
};

} // namespace quillfen
