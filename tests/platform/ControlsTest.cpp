#include "support/Printers.h"
#include "platform/DateBox.h"
#include "platform/Failure.h"
#include "platform/ProgressBar.h"
#include "platform/QtDialogs.h"

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
