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

    void setCounts(int listed, int results, int ticked);
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
    int m_shownCounts[3] = {-1, -1, -1};
};

} // namespace quillfen
