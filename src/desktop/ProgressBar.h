#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include <QByteArray>
#include <QByteArrayView>
#include <QProgressBar>

#include "desktop/ProgressSink.h"

namespace quillfen {

// A 0..100 bar that shows a text of its own instead of a percentage. The position is kept as
// the real number it was given (the bar draws it rounded and clamped to 0..100).
class ProgressBar final : public QProgressBar, public ProgressSink {
    Q_OBJECT

public:
    explicit ProgressBar(QWidget* parent = nullptr);

    void setPosition(double value) override;
    double position() const override { return m_position; }

    void setCaption(const QString& text) override;
    // A long run sets it once per file, far more often than the bar is drawn.
    void setCaption(const QString& prefix, QByteArrayView utf8) override;
    QString caption() const override;
    // The caption as shown: taken as it is, not as a format with %p, %v and %m fields.
    QString text() const override { return caption(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void requestRepaint();

    double m_position = 0;
    mutable QString m_caption;
    // Set by the UTF-8 form until the caption is next read.
    QString m_prefix;
    QByteArray m_utf8;
    mutable bool m_decodePending = false;
    bool m_repaintPending = false;
};

} // namespace quillfen
