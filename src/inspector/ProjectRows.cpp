// SPDX-License-Identifier: GPL-2.0-or-later
// The project's rows: title, disc, splash, backdrop and the menu window.
#include "inspector/Inspector.h"

#include "inspector/InspectorHost.h"
#include "inspector/ProjectFileChooser.h"
#include "model/ErrorReports.h"
#include "model/GraphicClasses.h"
#include "model/ProcessState.h"
#include "model/Picture.h"
#include "platform/Dialogs.h"
#include "player/VelomniForm.h"

#include <QDir>

namespace {

const QString kDiscIconText = QStringLiteral("[velomni.ico]");

QString FormIconText(const TPicture& icon)
{
    return icon.Empty() ? QStringLiteral("[Default]") : PictureText(icon);
}

// The disc icon is the file velomni.ico in the project folder: a chosen
// icon is copied there; the data file does not change.
void ChooseDiscIcon(QWidget* parent)
{
    const QString iconPath = QDir(ProjectFolder).filePath(QStringLiteral("velomni.ico"));
    const QString chosen = GetDialogs().OpenFile(parent, QStringLiteral("Icons (*.ico)|*.ico"), iconPath, QString(),
                                                 QStringLiteral("Select Icon File"));
    if (chosen.isEmpty()) return;
    if (QDir::cleanPath(chosen).compare(QDir::cleanPath(iconPath), Qt::CaseInsensitive) == 0) return;
    if (const auto error = CopyFileSafely(chosen, iconPath))
        ShowErrorBox(QStringLiteral("Failed to copy icon file: ") + *error);
}

} // namespace

void TInspector::FillProjectRows()
{
    TProjectSettings& s = m_menu.Settings();
    TVelomniForm& menu = m_menu;
    TInspectorHost& host = m_host;
    TRowSet& rows = m_rows;
    constexpr EditEffects kBackground = BackgroundRedraw | ProjectChanged | CanvasRedraw;

    rows.Text(QStringLiteral("ApplicationTitle"), [&s] { return s.ApplicationTitle; },
              [&s](const QString& text) { s.ApplicationTitle = text; }, SelectorRepaint | ProjectChanged);
    rows.Own({QStringLiteral("CDIcon"), kDiscIconText, RowEdit::Ellipsis, true},
             {{}, [&host](int) { ChooseDiscIcon(host.DialogParent()); }, {}});
    rows.Text(QStringLiteral("CDLabel"), [&s] { return s.CDLabel; }, [&s](const QString& text) { s.CDLabel = text; }, ProjectChanged);

    rows.SetGroup(kSplashGroupImage);
    rows.Picture(QStringLiteral("SplashScreenImage"), [&s] { return s.SplashScreenImage; },
                 [&s](const TPicture& picture) { s.SplashScreenImage = picture; }, ProjectChanged);
    QStringList seconds;
    for (int second = 1; second <= 15; ++second) seconds << QString::number(second);
    rows.Pick<int>(
        QStringLiteral("SplashScreenTime(s)"), seconds, [&s] { return int(s.SplashScreenTime); },
        [&s](const int& second) { s.SplashScreenTime = second; }, [](const int& second) { return QString::number(second); },
        [seconds](const QString& text) { return seconds.contains(text) ? std::optional(text.toInt()) : std::nullopt; },
        ProjectChanged, true);

    rows.SetGroup(kBackdropGroupImage);
    rows.Bool(QStringLiteral("FullScreenBack"), [&s] { return s.FullScreenBack; }, [&s](bool on) { s.FullScreenBack = on; },
              ProjectChanged);
    rows.Color(QStringLiteral("FullScreenBackColor"), [&s] { return s.FullScreenBackColor; },
               [&s](TColor color) { s.FullScreenBackColor = color; }, ProjectChanged);
    rows.List(QStringLiteral("FullScreenBackGradientStyle"), kGradientStyleTable, [&s] { return int(s.FullScreenBackGradientStyle); },
              [&s](int code) { s.FullScreenBackGradientStyle = quint8(code); }, ProjectChanged);
    rows.Color(QStringLiteral("FullScreenBackGradientColor"), [&s] { return s.FullScreenBackGradientColor; },
               [&s](TColor color) { s.FullScreenBackGradientColor = color; }, ProjectChanged);
    rows.Picture(QStringLiteral("FullScreenBackImage"), [&s] { return s.FullScreenBackImage; },
                 [&s](const TPicture& picture) { s.FullScreenBackImage = picture; }, ProjectChanged);
    rows.List(QStringLiteral("FullScreenBackImageStyle"), kImageStyleTable, [&s] { return int(s.FullScreenBackImageStyle); },
              [&s](int code) { s.FullScreenBackImageStyle = quint8(code); }, ProjectChanged);

    rows.SetGroup(kWindowGroupImage);
    rows.Text(QStringLiteral("FormCaption"), [&s] { return s.FormCaption; }, [&s](const QString& text) { s.FormCaption = text; },
              ProjectChanged | FrameSync);
    rows.Own({QStringLiteral("FormIcon"), FormIconText(s.FormIcon), RowEdit::Ellipsis, true},
             {{},
              [&rows, &menu, &s, &host](int row) {
                  // The dialog works on an icon holder: an empty one still
                  // holds the icon class, so a loaded icon keeps it.
                  TPicture holder = s.FormIcon;
                  if (!holder.Graphic()) holder.SetGraphic(NewGraphic(GraphicKind::Icon));
                  if (!host.EditPicture(holder, true)) return;
                  rows.Store<TPicture>(
                      QStringLiteral("FormIcon"), [&s] { return s.FormIcon; },
                      [&menu](const TPicture& icon) { menu.SetWindowIcon(icon); }, holder, ProjectChanged | FrameSync);
                  rows.Grid().SetValue(row, FormIconText(s.FormIcon));
              },
              {}});
    rows.List(QStringLiteral("FormPosition"), kFormPositionTable, [&s] { return int(s.FormPosition); },
              [&s](int code) { s.FormPosition = quint8(code); }, ProjectChanged);
    TGridRow border{QStringLiteral("BorderStyle"), BorderText(s.BorderStyle, s.BorderIcons)};
    border.readOnly = true;
    border.pickList = BorderPickList();
    rows.Own(border, {[&s, &rows](int, const QString& text) {
                          const auto choice = BorderFromText(text);
                          if (!choice) return;
                          using Border = std::pair<quint8, quint8>;
                          rows.Store<Border>(
                              QStringLiteral("BorderStyle"), [&s] { return Border(s.BorderStyle, s.BorderIcons); },
                              [&s](const Border& border) { std::tie(s.BorderStyle, s.BorderIcons) = border; },
                              Border(choice->borderStyle, choice->borderIcons), ProjectChanged | FrameSync);
                      },
                      {},
                      {}});
    rows.Color(QStringLiteral("BackColor"), [&s] { return s.BackColor; },
               [&s](TColor color) { s.BackColor = color; }, kBackground);
    rows.List(QStringLiteral("GradientStyle"), kGradientStyleTable, [&s] { return int(s.GradientStyle); },
              [&s](int code) { s.GradientStyle = quint8(code); }, kBackground);
    rows.Color(QStringLiteral("GradientColor"), [&s] { return s.GradientColor; },
               [&s](TColor color) { s.GradientColor = color; }, kBackground);
    rows.Picture(QStringLiteral("BackImage"), [&s] { return s.BackImage; },
                 [&s](const TPicture& picture) { s.BackImage = picture; }, kBackground);
    rows.List(QStringLiteral("BackImageStyle"), kImageStyleTable, [&s] { return int(s.BackImageStyle); },
              [&s](int code) { s.BackImageStyle = quint8(code); }, kBackground);
    rows.Bool(QStringLiteral("Transparent"), [&s] { return s.Transparent; }, [&s](bool on) { s.Transparent = on; }, ProjectChanged);
    rows.Color(QStringLiteral("TransparentColor"), [&s] { return s.TransparentColor; },
               [&s](TColor color) { s.TransparentColor = color; }, ProjectChanged | CanvasRedraw);
}
