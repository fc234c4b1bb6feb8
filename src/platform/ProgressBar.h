#pragma once

#include <QProgressBar>

namespace quillfen {

// A 0..100 bar that shows a text of its own instead of a percentage. The position is kept as
// the real number it was given (the bar draws it rounded and clamped to 0..100).
class ProgressBar final : public QProgressBar {
    Q_OBJECT

public:
    explicit ProgressBar(QWidget* parent = nullptr);

    void setPosition(double value);
    double position() const { return m_position; }

    void setCaption(const QString& text);
    QString caption() const { return m_caption; }
    // The caption as shown: taken as it is, not as a format with %p, %v and %m fields.
    QString text() const override { return m_caption; }

private:
    double m_position = 0;
    QString m_caption;
};

} // namespace quillfen
