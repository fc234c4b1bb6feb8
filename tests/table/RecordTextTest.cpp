#include "table/RecordText.h"

#include <gtest/gtest.h>

using namespace quillfen;

TEST(RecordText, CsvFieldsAreQuotedOnlyWhereTheyMustBe)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"/plain/name.txt", "/plain/name.txt"},
        {"", ""},
        {"/a,b", "\"/a,b\""},
        {"/say \"hi\"", "\"/say \"\"hi\"\"\""},
        {"/two\nlines", "\"/two\nlines\""},
        {"/cr\rhere", "\"/cr\rhere\""},
        {"/ü and \xff", "/ü and \xff"}, // bytes pass as they are
        {" padded ", " padded "},
    };
    for (const auto& [field, expected] : cases) {
        QByteArray out("x,");
        appendCsvField(field, out);
        EXPECT_EQ(out, "x," + expected) << field.toStdString();
    }
}

TEST(RecordText, TsvFieldsEscapeWhatWouldBreakARowAndEveryByteThatIsNotUtf8)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"/plain/name.txt", "/plain/name.txt"},
        {"", ""},
        {"tab\there", "tab\\there"},
        {"two\nlines\r\n", "two\\nlines\\r\\n"},
        {"back\\slash\\t", "back\\\\slash\\\\t"}, // not to be read as a TAB
        {"a,b \"q\" \x07", "a,b \"q\" \x07"},
        {"日本語 ü \xF0\x9F\x98\x80", "日本語 ü \xF0\x9F\x98\x80"},
        {"bad\xff\xfe", "bad\\xff\\xfe"},
        {"cut \xC3", "cut \\xc3"},
        {"overlong \xC0\xAF", "overlong \\xc0\\xaf"},
    };
    for (const auto& [field, expected] : cases) {
        QByteArray out("x\t");
        appendTsvField(field, out);
        EXPECT_EQ(out, "x\t" + expected) << field.toStdString();
    }
}

TEST(RecordText, JsonStringsKeepUtf8AndEscapeEveryOtherByteLosslessly)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"/a/b.txt", "\"/a/b.txt\""},
        {"say \"hi\" \\ now", "\"say \\\"hi\\\" \\\\ now\""},
        {"tab\tnew\nline\rbell\x07", "\"tab\\tnew\\nline\\rbell\\u0007\""},
        {"日本語 ü \xF0\x9F\x98\x80", "\"日本語 ü \xF0\x9F\x98\x80\""},
        {"bad\xff\xfe", "\"bad\\udcff\\udcfe\""},
        {"cut \xC3", "\"cut \\udcc3\""},
        {"overlong \xC0\xAF", "\"overlong \\udcc0\\udcaf\""},
        {"surrogate \xED\xA0\x80", "\"surrogate \\udced\\udca0\\udc80\""},
    };
    for (const auto& [bytes, expected] : cases) {
        QByteArray out;
        appendJsonString(bytes, out);
        EXPECT_EQ(out, expected) << bytes.toStdString();
    }
}
