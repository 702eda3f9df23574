// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/ObjectOrder.h"

#include <gtest/gtest.h>

namespace {

// Entries of the given kinds named after their position, "a", "b", ...
struct Objects {
    explicit Objects(std::initializer_list<int> kinds)
    {
        char name = 'a';
        for (int kind : kinds) {
            TVoObject* e = NewObjectEntry();
            e->ObjectType = quint8(kind);
            e->Name = QString(QChar(name++));
            list.push_back(e);
        }
    }
    ~Objects() { FreeObjectList(list); }
    QString Names() const
    {
        QString s;
        for (const TVoObject* e : list) s += e->Name;
        return s;
    }
    TObjectList list;
};

} // namespace

TEST(ObjectOrder, SortPutsGraphicObjectsFirstKeepingEachGroupsOrder)
{
    Objects o{3, 0, 5, 1, 4, 2};
    SortObjectList(o.list);
    EXPECT_EQ(o.Names(), "bdface");
}

TEST(ObjectOrder, FrontAndBackRefuseTheEndsAndRepartition)
{
    Objects o{0, 1, 3};
    EXPECT_FALSE(MoveObjectToFront(o.list, 2)); // already in front
    EXPECT_FALSE(MoveObjectToBack(o.list, 0));  // already at the back
    EXPECT_FALSE(MoveObjectToFront(o.list, 7));
    EXPECT_FALSE(MoveObjectToBack(o.list, -1));
    EXPECT_EQ(o.Names(), "abc");
    // A button brought to the front stays below the text box.
    EXPECT_TRUE(MoveObjectToFront(o.list, 0));
    EXPECT_EQ(o.Names(), "bac");
    // The text box sent to the back still paints above the graphic ones.
    EXPECT_TRUE(MoveObjectToBack(o.list, 2));
    EXPECT_EQ(o.Names(), "bac");
    EXPECT_TRUE(MoveObjectToBack(o.list, 1));
    EXPECT_EQ(o.Names(), "abc");
}

TEST(ObjectOrder, UniqueNamesTakeTheFirstFreeNumber)
{
    Objects o{0, 0, 2};
    o.list[0]->Name = "Button1";
    o.list[1]->Name = "Button3";
    o.list[2]->Name = "button2"; // names compare case-sensitively
    EXPECT_EQ(MakeUniqueName(o.list, 0), "Button2");
    EXPECT_EQ(MakeUniqueName(o.list, 5), "Explorer1");

    o.list[2]->Name = "Button1";
    EXPECT_TRUE(EnsureUniqueName(o.list, 2));
    EXPECT_EQ(o.list[2]->Name, "Text1");
    EXPECT_FALSE(EnsureUniqueName(o.list, 0));
    EXPECT_EQ(o.list[0]->Name, "Button1");
}
