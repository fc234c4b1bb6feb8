#include "table/ColumnLayout.h"
#include "support/Printers.h"
#include "table/TextTable.h"

#include <gtest/gtest.h>

using namespace quillfen;

namespace {

// The worked example: "Filename" and "Date Modified", two ticked rows.
void fillExample(TextTable& model)
{
    model.addColumn("Filename");
    model.addColumn("Date Modified");
    model.appendRows({"C:\\a.txt", "C:\\docs\\report.doc"});
    model.setSubItem(0, 1, "8/31/2021 10:15:00 AM");
    model.setSubItem(1, 1, "1/2/2020 3:04:05 PM");
    model.setAllChecked(true);
}

QByteArray rowLine(const TextTable& table, int row, const std::vector<int>& widths)
{
    QByteArray line;
    appendRowLine(table, row, widths, {}, line);
    return line;
}

} // namespace

TEST(ColumnLayout, WidthsCountEveryRowAndOptionallyTheHeaders)
{
    TextTable model;
    fillExample(model);
    model.appendRow("C:\\a-much-longer-unticked-path.txt");
    int cells = 0;
    EXPECT_EQ(measureColumnWidths(model, true, [&] { ++cells; }), (std::vector<int>{34, 21}));
    EXPECT_EQ(cells, 6);
    TextTable headersOnly;
    headersOnly.addColumn("Filename");
    headersOnly.addColumn("Date Accessed");
    EXPECT_EQ(measureColumnWidths(headersOnly, true, {}), (std::vector<int>{8, 13}));
    EXPECT_EQ(measureColumnWidths(headersOnly, false, {}), (std::vector<int>{0, 0}));
}

TEST(ColumnLayout, LengthsAreUtf16CodeUnits)
{
    TextTable model;
    model.addColumn("F");
    model.appendRows({"ü", "😀"}); // one and two code units
    EXPECT_EQ(measureColumnWidths(model, false, {}), (std::vector<int>{2}));
    QByteArray line;
    appendPaddedCell(line, "ü", 2);
    EXPECT_EQ(line, "\xc3\xbc \t");
    line.clear();
    appendPaddedCell(model, 0, 0, 2, line); // padded by characters, written as UTF-8
    EXPECT_EQ(line, "\xc3\xbc \t");
}

TEST(ColumnLayout, ReportLinesPadEveryCellAndEndInATab)
{
    TextTable model;
    fillExample(model);
    const std::vector<int> widths = measureColumnWidths(model, true, {});
    EXPECT_EQ(widths, (std::vector<int>{18, 21}));
    EXPECT_EQ(QString::fromUtf8(headerLine(model, widths, {})),
              "Filename" + QString(10, ' ') + "\tDate Modified" + QString(8, ' ') + "\t");
    EXPECT_EQ(QString::fromUtf8(rowLine(model, 0, widths)),
              "C:\\a.txt" + QString(10, ' ') + "\t8/31/2021 10:15:00 AM\t");
    EXPECT_EQ(QString::fromUtf8(rowLine(model, 1, widths)),
              "C:\\docs\\report.doc\t1/2/2020 3:04:05 PM  \t");
    EXPECT_EQ(rowLine(model, 1, widths).size(), 41); // all ASCII: bytes are characters
}

TEST(ClipboardText, WorkedExample)
{
    TextTable model;
    fillExample(model);
    EXPECT_EQ(QString::fromUtf8(clipboardText(model, {})),
              "C:\\a.txt" + QString(10, ' ')
                  + "\t8/31/2021 10:15:00 AM\r\n"
                    "C:\\docs\\report.doc\t1/2/2020 3:04:05 PM\r\n");
}

TEST(ClipboardText, UntickedRowsWidenButGiveNoLine)
{
    TextTable model;
    fillExample(model);
    model.appendRow("C:\\twenty-chars.txt!"); // 20 characters
    model.setChecked(0, false);
    EXPECT_EQ(QString::fromUtf8(clipboardText(model, {})),
              "C:\\docs\\report.doc  \t1/2/2020 3:04:05 PM\r\n");
    model.setAllChecked(false);
    EXPECT_EQ(QString::fromUtf8(clipboardText(model, {})), "");
}

TEST(ClipboardText, EmptyLastCellsKeepTheTabsBeforeThem)
{
    TextTable model;
    for (const char* header : {"Filename", "Date Modified", "Date Created", "Date Accessed"})
        model.addColumn(header);
    model.appendRows({"/a", "/bb"});
    model.setSubItem(1, 1, "x");
    model.setSubItem(1, 2, "yy");
    model.setSubItem(1, 3, "zzz");
    model.setChecked(0, true);
    EXPECT_EQ(QString::fromUtf8(clipboardText(model, {})), "/a \t \t  \t\r\n");
}

TEST(ClipboardText, RoomReservedCoversTheTextAndLittleMore)
{
    TextTable model;
    fillExample(model);
    model.appendRow(QString::fromUtf8("C:\\日本\\résumé.txt")); // more bytes than characters
    model.setSubItem(2, 1, "1/2/2020 3:04:05 PM");
    model.setAllChecked(true);
    model.setChecked(1, false);
    qsizetype bound = 0;
    measureColumnWidths(model, false, {}, &bound);
    const QByteArray text = clipboardText(model, {});
    EXPECT_GE(bound, text.size());
    // At most the spaces that fill the last cells, which the lines drop.
    EXPECT_LE(bound - text.size(), 2);
}

TEST(ClipboardText, PathEndingInSpacesLosesThemWhenItEndsTheLine)
{
    TextTable model;
    model.addColumn("Filename");
    model.appendRow("/a b  ");
    model.setChecked(0, true);
    EXPECT_EQ(QString::fromUtf8(clipboardText(model, {})), "/a b\r\n");
}
