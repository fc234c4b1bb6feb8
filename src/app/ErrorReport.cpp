#include "app/ErrorReport.h"

#include "app/BuildSettings.h"
#include "app/Texts.h"

namespace quillfen {

namespace {

QString location(const char* tag, const char* module, const char* procedure)
{
    return QLatin1String("in ") + QLatin1String(tag) + QLatin1String("2021/08/31.")
        + QLatin1String(module) + QLatin1Char('.') + QLatin1String(procedure) + QLatin1Char(' ');
}

} // namespace

QString locationText(Procedure procedure)
{
    switch (procedure) {
    case Procedure::FormLoad:
        return location("Tessary", "Form1", "Form_Load");
    case Procedure::PushButton1_Click:
        return location("Tessary", "Form1", "PushButton1_Click");
    case Procedure::PushButton13_Click:
        return location("Tessary", "Form1", "PushButton13_Click");
    case Procedure::PushButton5_Click:
        return location("Tessary", "Form1", "PushButton5_Click");
    case Procedure::PushButton2_Click:
        return location("Tessary", "Form1", "PushButton2_Click");
    case Procedure::PushButton3_Click:
        return location("Tessary", "Form1", "PushButton3_Click");
    case Procedure::PushButton4_Click:
        return location("Tessary", "Form1", "PushButton4_Click");
    case Procedure::PushButton7_Click:
        return location("Tessary", "Form1", "PushButton7_Click");
    case Procedure::PushButton8_Click:
        return location("Tessary", "Form1", "PushButton8_Click");
    case Procedure::PushButton9_Click:
        return location("Tessary", "Form1", "PushButton9_Click");
    case Procedure::SaveListviewProperlySpaced:
        return location("Tessary", "Main", "SaveListviewProperlySpaced");
    case Procedure::GetSubDirectories2016:
        return location("Corvale", "AddFolder", "GetSubDirectories2016");
    }
    return {};
}

QString composeErrorReport(const QString& description, const QString& location, int marker)
{
    return description + QLatin1String("\r\n") + location + QLatin1String("at line ")
        + QString::number(marker) + QLatin1String("\r\r")
        + QLatin1String("Please email screenshot of this message to ")
        + QLatin1String(build::kSupportAddress);
}

void showErrorReport(MessageBoxes& boxes, const QString& description, const QString& location,
                     int marker)
{
    boxes.show(composeErrorReport(description, location, marker), texts::kErrorCaption,
               MessageButtons::Ok, MessageIcon::Warning);
}

QString describe(const std::exception& error)
{
    if (const auto* failure = dynamic_cast<const Failure*>(&error))
        return failure->description();
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr)
        return QStringLiteral("Out of memory");
    return QString::fromLocal8Bit(error.what());
}

void ReportingProcedure::report(const QString& description)
{
    ++m_reports;
    showErrorReport(m_boxes, description, m_location, m_marker);
}

} // namespace quillfen
