// SPDX-License-Identifier: GPL-2.0-or-later
#include "KindRecordTesting.h"

#include "controls/ControlFactory.h"
#include "controls/WindowlessProject.h"
#include "controls/VoBrowser.h"
#include "controls/VoImage.h"
#include "controls/VoImageButton.h"
#include "controls/VoRichText.h"
#include "controls/VoSimpleText.h"
#include "controls/VoTextBox.h"
#include "model/VoObject.h"

#include <QWidget>

#include <typeindex>

TEST(ControlFactory, EachKindGetsItsControlOnTheParent)
{
    QWidget surface;
    const std::type_index classes[] = {typeid(TVoImageButton), typeid(TVoImage),
                                       typeid(TVoSimpleText),  typeid(TVoTextBox),
                                       typeid(TVoRichText),    typeid(TVoBrowser)};
    for (int kind = 0; kind < 6; ++kind) {
        SCOPED_TRACE(kind);
        std::unique_ptr<TVoControl> control = CreateKindControl(kind, &surface);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(std::type_index(typeid(*control)), classes[kind]);
        ASSERT_NE(ControlWidget(control.get()), nullptr);
        EXPECT_EQ(ControlWidget(control.get())->parentWidget(), &surface);
        EXPECT_EQ(control->Bounds().size(), kind == 0 ? QSize(89, 33) : QSize(177, 177));
        // A damaged file's empty or negative size still gives a control
        // that can be seen and picked.
        control->SetBounds(QRect(5, 6, 0, -3));
        EXPECT_EQ(control->Bounds(), QRect(5, 6, 1, 1));
    }
    EXPECT_EQ(CreateKindControl(-1, &surface), nullptr);
    EXPECT_EQ(CreateKindControl(6, &surface), nullptr);
}

TEST(WindowlessProject, ControlsLiveOnTheHiddenSurface)
{
    TWindowlessProject document;
    TVoObject* entry = NewObjectEntry();
    document.ObjectList().push_back(entry);
    entry->ObjectType = 3;
    entry->Control = document.CreateControl(*entry);
    ASSERT_NE(entry->Control, nullptr);
    EXPECT_EQ(entry->Control->Entry, entry);
    EXPECT_EQ(ControlWidget(entry->Control.get())->parentWidget(), document.Surface());
    EXPECT_FALSE(document.Surface()->isVisible());
    entry->ObjectType = 9;
    EXPECT_EQ(document.CreateControl(*entry), nullptr);
}

TEST(WindowlessProject, ResetGivesDefaultsWithoutObjectsOrActions)
{
    TWindowlessProject document;
    document.SetWindowSize(800, 600);
    EXPECT_EQ(document.Settings().Height, 600);
    document.Settings().FormCaption = QStringLiteral("Mine");
    document.ObjectList().push_back(NewObjectEntry());
    document.ObjectList().push_back(nullptr);
    document.StartActions().push_back(std::make_unique<TVoAction>());
    document.ResetProject();
    EXPECT_EQ(document.Settings().Width, TProjectSettings{}.Width);
    EXPECT_EQ(document.Settings().FormCaption, TProjectSettings{}.FormCaption);
    EXPECT_TRUE(document.ObjectList().empty());
    EXPECT_TRUE(document.StartActions().empty());
}

TEST(WindowlessProject, KeepsOnlyAnIconAsTheWindowIcon)
{
    TWindowlessProject document;
    const TPicture icon = PictureOf(GraphicKind::Icon, 16, 16);
    document.SetWindowIcon(icon);
    ASSERT_NE(document.Settings().FormIcon.Graphic(), nullptr);
    EXPECT_EQ(document.Settings().FormIcon.Graphic()->Kind(), GraphicKind::Icon);
    document.SetWindowIcon(PictureOf(GraphicKind::Bitmap, 16, 16));
    EXPECT_EQ(document.Settings().FormIcon.Graphic(), nullptr);
    document.SetWindowIcon(icon);
    document.SetWindowIcon(TPicture());
    EXPECT_EQ(document.Settings().FormIcon.Graphic(), nullptr);
}
