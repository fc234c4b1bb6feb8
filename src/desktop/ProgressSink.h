#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include <QByteArrayView>
#include <QString>

namespace quillfen {

// Where a long command shows how far it is: a position from 0 to 100, given as a real number,
// and a line of text. The window's progress bar is one; commands see only this.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setPosition(double value) = 0;
    virtual double position() const = 0;
    virtual void setCaption(const QString& text) = 0;
    // The caption `prefix` followed by `utf8`, for a caption set once per file: the text is
    // only decoded when it is shown.
    virtual void setCaption(const QString& prefix, QByteArrayView utf8) = 0;
    virtual QString caption() const = 0;
};

} // namespace quillfen
