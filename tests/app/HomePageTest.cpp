#include "app/HomePage.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

using namespace quillfen;

TEST(HomePage, OpensTheAddressOnlyWhenTheDrawIsSeven)
{
    test::FakeShell shell;
    for (double r : {0.0, 0.05, 0.0599, 0.07, 0.99})
        EXPECT_FALSE(visitHomePageByChance([r] { return r; }, shell, "https://example.org")) << r;
    EXPECT_TRUE(visitHomePageByChance([] { return 0.06; }, shell, "https://example.org"));
    EXPECT_TRUE(visitHomePageByChance([] { return 0.0699; }, shell, "https://example.org"));
    EXPECT_FALSE(visitHomePageByChance([] { return 0.065; }, shell, ""));
    EXPECT_EQ(shell.openedAddresses.size(), 2);
}
