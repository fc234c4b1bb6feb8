#include "commands/ErrorReport.h"
#include "base/BuildSettings.h"
#include "commands/CommandContext.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

using namespace quillfen;
using quillfen::test::FakeMessageBoxes;

TEST(ErrorReport, ComposesTheExactText)
{
    const QString text =
        composeErrorReport("File not found", "in Tessary2021/08/31.Form1.PushButton9_Click ", 100);
    EXPECT_EQ(text,
              QStringLiteral("File not found\r\nin Tessary2021/08/31.Form1.PushButton9_Click "
                             "at line 100\r\rPlease email screenshot of this message to ")
                  + QLatin1String(build::kSupportAddress));
}

TEST(ErrorReport, ShowsAWarningBoxCaptionedApplicationError)
{
    FakeMessageBoxes boxes;
    showErrorReport(boxes, "x", "in y ", 102);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Application Error");
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok);
}

TEST(ReportingProcedure, FailureInTheThirdStepNamesItsMarkerAndTheProcedureGoesOn)
{
    FakeMessageBoxes boxes;
    ReportingProcedure procedure(boxes, "in Tessary2021/08/31.Form1.PushButton8_Click ");
    QStringList ran;
    procedure.step(100, [&] { ran << "100"; });
    procedure.step(102, [&] { ran << "102"; });
    procedure.step(104, [&] { throw Failure("Disk not ready"); });
    procedure.step(106, [&] { ran << "106"; });
    EXPECT_EQ(ran, QStringList({"100", "102", "106"}));
    ASSERT_EQ(boxes.reports().size(), 1);
    EXPECT_TRUE(boxes.reports()[0].startsWith(
        "Disk not ready\r\nin Tessary2021/08/31.Form1.PushButton8_Click at line 104\r\r"));
}

TEST(ReportingProcedure, FailingTestCountsAsPassed)
{
    FakeMessageBoxes boxes;
    ReportingProcedure procedure(boxes, "in Tessary2021/08/31.Form1.Form_Load ");
    bool guardedRan = false;
    if (procedure.test(106, []() -> bool { throw Failure("Bad file name"); }))
        procedure.step(108, [&] { guardedRan = true; });
    EXPECT_TRUE(guardedRan);
    EXPECT_EQ(boxes.reports().size(), 1);
}

TEST(ReportingProcedure, FailingLoopBodyReportsOncePerPassAndTheLoopFinishes)
{
    FakeMessageBoxes boxes;
    ReportingProcedure procedure(boxes, "in Tessary2021/08/31.Form1.PushButton3_Click ");
    int passes = 0;
    for (int i = 0; i < 3; ++i) {
        procedure.step(144, [] { throw std::runtime_error("Invalid property value"); });
        ++passes;
    }
    EXPECT_EQ(passes, 3);
    EXPECT_EQ(boxes.reports().size(), 3);
    EXPECT_EQ(procedure.value(128, QString("fallback"), []() -> QString { throw Failure("x"); }),
              "fallback");
}

TEST(ReportingProcedure, ClosingTheWindowPassesThroughUnreported)
{
    FakeMessageBoxes boxes;
    ReportingProcedure procedure(boxes, "in Tessary2021/08/31.Form1.PushButton3_Click ");
    EXPECT_THROW(procedure.step(134, [] { throw ApplicationClosing{}; }), ApplicationClosing);
    EXPECT_TRUE(boxes.shown.empty());
}
