#include "support/XlsxReadBack.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace quillfen::test {

namespace {

// The system interpreter: a python3 earlier on the PATH may lack openpyxl.
const QString kPython = QStringLiteral("/usr/bin/python3");

const char* const kReader = R"(
import datetime, json, sys, zipfile
import xml.etree.ElementTree as ET
import openpyxl

path = sys.argv[1]
book = openpyxl.load_workbook(path)
sheet = book.worksheets[0]
texts, other, dates, formats = {}, [], {}, {}
for row in sheet.iter_rows():
    for cell in row:
        if isinstance(cell.value, str):
            texts[cell.coordinate] = cell.value
        elif isinstance(cell.value, datetime.datetime):
            dates[cell.coordinate] = cell.value.isoformat()
            formats[cell.coordinate] = cell.number_format
        elif cell.value is not None:
            other.append(cell.coordinate)

ns = {"x": "http://schemas.openxmlformats.org/spreadsheetml/2006/main"}
with zipfile.ZipFile(path) as archive:
    root = ET.fromstring(archive.read("xl/worksheets/sheet1.xml"))
types = {c.get("r"): c.get("t", "n") for c in root.iter("{%s}c" % ns["x"])}
formulas = len(list(root.iter("{%s}f" % ns["x"])))
widths = {}
for col in root.iter("{%s}col" % ns["x"]):
    for number in range(int(col.get("min")), int(col.get("max")) + 1):
        widths[str(number)] = float(col.get("width"))

print(json.dumps({"sheets": len(book.worksheets), "texts": texts, "other": other,
                  "dates": dates, "formats": formats, "types": types, "formulas": formulas,
                  "widths": widths}))
)";

} // namespace

SheetReadBack readBackXlsx(const QString& path)
{
    SheetReadBack sheet;
    QProcess python;
    python.start(kPython, {QStringLiteral("-c"), QString::fromUtf8(kReader), path});
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit
        || python.exitCode() != 0) {
        sheet.error =
            QStringLiteral("%1 could not read %2 (is python3-openpyxl installed? "
                           "tools/setup.sh installs it): %3")
                .arg(kPython, path, QString::fromUtf8(python.readAllStandardError()).trimmed());
        return sheet;
    }
    const QJsonObject answer = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    sheet.sheets = answer.value(QStringLiteral("sheets")).toInt();
    const QJsonObject texts = answer.value(QStringLiteral("texts")).toObject();
    for (auto it = texts.begin(); it != texts.end(); ++it)
        sheet.texts.insert(it.key(), it.value().toString());
    for (const QJsonValue& cell : answer.value(QStringLiteral("other")).toArray())
        sheet.otherValues.append(cell.toString());
    const QJsonObject dates = answer.value(QStringLiteral("dates")).toObject();
    for (auto it = dates.begin(); it != dates.end(); ++it)
        sheet.dates.insert(it.key(), it.value().toString());
    const QJsonObject formats = answer.value(QStringLiteral("formats")).toObject();
    for (auto it = formats.begin(); it != formats.end(); ++it)
        sheet.dateFormats.insert(it.key(), it.value().toString());
    const QJsonObject types = answer.value(QStringLiteral("types")).toObject();
    for (auto it = types.begin(); it != types.end(); ++it)
        sheet.types.insert(it.key(), it.value().toString());
    sheet.formulas = answer.value(QStringLiteral("formulas")).toInt();
    const QJsonObject widths = answer.value(QStringLiteral("widths")).toObject();
    for (auto it = widths.begin(); it != widths.end(); ++it)
        sheet.widths.insert(it.key().toInt(), it.value().toDouble());
    return sheet;
}

} // namespace quillfen::test
