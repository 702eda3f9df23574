// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

TEST(DialogFilters, StoredFiltersBecomeQtFiltersAndAllFilesMatchNamesWithoutADot)
{
    EXPECT_EQ(QtFileFilter("All (*.*)|*.*"), "All (*)");
    EXPECT_EQ(QtFileFilter("Icons (*.ico)|*.ico"), "Icons (*.ico)");
    EXPECT_EQ(QtFileFilter("Pictures|*.png;*.jpg|Rich Text (*.rtf)|*.rtf"), "Pictures (*.png *.jpg);;Rich Text (*.rtf)");
    EXPECT_EQ(QtFileFilter(""), "");
}

TEST(DialogFilters, AFolderThatOnlySharesTheStartOfItsNameIsOutside)
{
    EXPECT_TRUE(IsInsideFolder("/disc/project", "/disc/project"));
    EXPECT_TRUE(IsInsideFolder("/disc/project/media/a.wav", "/disc/project/"));
    EXPECT_TRUE(IsInsideFolder("/disc/project/sub/../a.wav", "/disc/project"));
    EXPECT_FALSE(IsInsideFolder("/disc/project2/a.wav", "/disc/project"));
    EXPECT_FALSE(IsInsideFolder("/disc/project/../other", "/disc/project"));
    EXPECT_FALSE(IsInsideFolder("/disc", ""));
}
