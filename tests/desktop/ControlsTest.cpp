#include "base/Failure.h"
#include "desktop/DateBox.h"
#include "desktop/ProgressBar.h"
#include "desktop/QtDialogs.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

using namespace quillfen;

TEST(ProgressBar, ShowsItsCaptionAsItIsAndKeepsTheRealPosition)
{
    ProgressBar bar;
    bar.setCaption("Processing: 50% off %p.txt");
    EXPECT_EQ(bar.text(), "Processing: 50% off %p.txt");
    bar.setPosition(100.04);
    EXPECT_DOUBLE_EQ(bar.position(), 100.04);
    EXPECT_EQ(bar.value(), 100);
    bar.setPosition(100.0 / 3);
    EXPECT_EQ(bar.value(), 33);
}

TEST(ProgressBar, CaptionFromUtf8ReadsAsTheLatestTextSet)
{
    ProgressBar bar;
    bar.setCaption("Processing: ", QByteArrayView("r\xC3\xA9sum\xC3\xA9 %p.txt"));
    bar.setCaption("Processing: ", QByteArrayView("\xE6\x97\xA5\xE6\x9C\xAC.txt"));
    EXPECT_EQ(bar.caption(), QString::fromUtf8("Processing: 日本.txt"));
    EXPECT_EQ(bar.text(), bar.caption());
    bar.setCaption("Progress Bar");
    EXPECT_EQ(bar.text(), "Progress Bar");
    bar.setCaption("Processing: ", QByteArrayView("a.txt"));
    EXPECT_EQ(bar.text(), "Processing: a.txt");
}

TEST(DateBox, ProgramChangesRunTheHandlerAndUserClicksNeverGrey)
{
    DateBox box("Created");
    int handled = 0;
    int userChanges = 0;
    box.setChangeHandler([&] { ++handled; });
    QObject::connect(&box, &DateBox::userChanged, [&] { ++userChanges; });
    box.setValue(1);
    box.setValue(1); // no change, no handler
    box.setValue(2);
    EXPECT_EQ(box.checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(handled, 2);
    EXPECT_THROW(box.setValue(3), Failure);
    EXPECT_EQ(box.value(), 2);
    box.click(); // greyed goes to ticked, then ticked to clear
    EXPECT_EQ(box.value(), 1);
    box.click();
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(userChanges, 2);
    EXPECT_EQ(handled, 2);
}

TEST(QtDialogs, FiltersKeepTheirDescriptionsAndMatchEveryNameForStarDotStar)
{
    EXPECT_EQ(toQtNameFilters("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"),
              QStringList({"Text Files (*.txt) (*.txt)", "All Files (*.*) (*)"}));
    EXPECT_EQ(toDisplayLines("a\r\nb\r\rc"), "a\nb\n\nc");
}
