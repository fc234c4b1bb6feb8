#include "commands/ErrorReport.h"

#include "base/BuildSettings.h"
#include "base/Texts.h"

namespace quillfen {

QString composeErrorReport(const QString& description, const QString& location, int marker)
{
    return description + QLatin1String("\r\n") + location + texts::kAtLine()
        + QString::number(marker) + QLatin1String("\r\r") + texts::kPleaseEmailScreenshot()
        + QLatin1String(build::kSupportAddress);
}

void showErrorReport(MessageBoxes& boxes, const QString& description, const QString& location,
                     int marker)
{
    boxes.show(composeErrorReport(description, location, marker), texts::kErrorCaption(),
               MessageButtons::Ok, MessageIcon::Warning);
}

void ReportingProcedure::report(const QString& description)
{
    ++m_reports;
    showErrorReport(m_boxes, description, m_location, m_marker);
}

} // namespace quillfen
