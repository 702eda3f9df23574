// SPDX-License-Identifier: GPL-2.0-or-later
#include "inspector/Inspector.h"

#include "controls/WidgetControl.h"
#include "document/DesignDocument.h"
#include "document/Entries.h"
#include "inspector/InspectorHost.h"
#include "model/Cursor.h"
#include "model/Kinds.h"
#include "player/VelomniForm.h"

TInspector::TInspector(TPropertyGrid& grid, TInspectorHost& host, TDesignDocument& document)
    : m_grid(grid), m_host(host), m_document(document), m_menu(document.Menu()), m_rows(grid, host, document)
{
    m_grid.OnChange = [this](int row) { ValueEditStringsChange(row); };
    m_grid.OnEditButton = [this](int row) { ValueEditEditButtonClick(row); };
    m_grid.OnValidate = [this](int row) { return ValueEditValidate(row); };
}

void TInspector::Fill(int currentEntry)
{
    const TPropertyGrid::Updating updating(m_grid);
    m_rows.Clear();
    m_markers = TRowMarkers{};
    TObjectList& objects = m_menu.ObjectList();
    m_entry = currentEntry == kProjectEntry || ObjectOfEntry(currentEntry, objects) >= 0 ? currentEntry : kNoEntry;
    if (m_entry == kProjectEntry) {
        m_rows.SetTarget(&m_menu.Settings());
        m_rows.SetGroup(kProjectGroupImage);
        FillProjectRows();
        FillCommonRows(nullptr);
        FillPositionRows(nullptr);
        TakeMarkers(m_rows.Build(m_rows.TakeStaged()));
    } else if (m_entry > 0) {
        std::vector<TStagedRows> lists;
        for (TVoObject* entry : ShownObjects(*objects[size_t(ObjectOfEntry(m_entry, objects))], objects)) {
            m_rows.SetTarget(entry);
            m_rows.SetGroup(kFirstKindGroupImage + entry->ObjectType);
            FillKindRows(*entry);
            if (entry->ObjectType != okExplorer) FillCommonRows(entry);
            FillPositionRows(entry);
            lists.push_back(m_rows.TakeStaged());
        }
        TakeMarkers(m_rows.Build(JoinRows(std::move(lists))));
    } else {
        m_rows.Add({});
    }
    m_grid.SetCurrentRow(1);
}

std::vector<TVoObject*> ShownObjects(TVoObject& current, const TObjectList& objects)
{
    std::vector<TVoObject*> shown{&current};
    if (!current.Selected) return shown;
    for (TVoObject* entry : objects)
        if (entry != &current && entry->Selected) shown.push_back(entry);
    return shown;
}

void TInspector::TakeMarkers(const std::vector<std::pair<int, int>>& groupFirsts)
{
    for (const auto& [image, row] : groupFirsts) {
        switch (image) {
        case kPositionGroupImage: m_markers.FirstPositionRow = row; break;
        case kCommonGroupImage: m_markers.FirstCommonRow = row; break;
        case kWindowGroupImage: m_markers.FirstWindowRow = row; break;
        case kSplashGroupImage: m_markers.FirstSplashRow = row; break;
        case kBackdropGroupImage: m_markers.FirstBackdropRow = row; break;
        default: break;
        }
    }
}

const TPropertyRow* TInspector::RowAt(int row)
{
    if (m_entry < 0 || row < 1 || row > int(m_rows.Rows().size())) return nullptr;
    return &m_rows.Rows()[size_t(row - 1)];
}

void TInspector::ValueEditStringsChange(int row)
{
    if (const TPropertyRow* actions = RowAt(row); actions && actions->change) actions->change(row, m_grid.Value(row));
}

void TInspector::ValueEditEditButtonClick(int row)
{
    if (const TPropertyRow* actions = RowAt(row); actions && actions->ellipsis) actions->ellipsis(row);
}

bool TInspector::ValueEditValidate(int row)
{
    const TPropertyRow* actions = RowAt(row);
    return !actions || !actions->validate || actions->validate(row, m_grid.Value(row));
}

void TInspector::FillCommonRows(TVoObject* entry)
{
    m_rows.SetGroup(kCommonGroupImage);
    auto* control = entry ? dynamic_cast<TWidgetControl*>(entry->Control.get()) : nullptr;
    TProjectSettings& settings = m_menu.Settings();
    m_rows.Pick<TCursor>(
        QStringLiteral("Cursor"), CursorPickList(),
        [control, &settings] { return control ? control->Cursor() : settings.Cursor; },
        [control, &settings](const TCursor& chosen) {
            if (control)
                control->SetCursor(chosen);
            else
                settings.Cursor = chosen;
        },
        [](const TCursor& cursor) { return CursorName(cursor); }, CursorFromName, ProjectChanged);
    m_rows.Text(QStringLiteral("Hint"), [control, &settings] { return control ? control->Hint() : settings.Hint; },
                [control, &settings](const QString& text) {
                    if (control)
                        control->SetHint(text);
                    else
                        settings.Hint = text;
                },
                ProjectChanged);
    if (!entry) return;
    const QString anyFile = QStringLiteral("All (*.*)|*.*");
    m_rows.File(QStringLiteral("OverSound"), [entry] { return entry->OverSound; }, anyFile,
                [entry](const QString& text) { entry->OverSound = text; }, ProjectChanged);
    m_rows.File(QStringLiteral("ClickSound"), [entry] { return entry->ClickSound; }, anyFile,
                [entry](const QString& text) { entry->ClickSound = text; }, ProjectChanged);
}

void TInspector::FillPositionRows(TVoObject* entry)
{
    m_rows.SetGroup(kPositionGroupImage);
    if (entry && entry->Control) {
        TVoControl* control = entry->Control.get();
        // Each side through the control's own setter; the cell shows what
        // the control took.
        auto side = [this, control](const QString& key, int (TVoControl::*get)() const,
                                    void (*apply)(QRect&, int), std::optional<qint32> minimum) {
            m_rows.Number(
                key, [control, get] { return (control->*get)(); }, minimum,
                [control, get, apply](int value) {
                    QRect bounds = control->Bounds();
                    apply(bounds, value);
                    control->SetBounds(bounds);
                    return (control->*get)();
                },
                ProjectChanged | CanvasRedraw);
        };
        side(QStringLiteral("Left"), &TVoControl::Left, [](QRect& r, int v) { r.moveLeft(v); }, std::nullopt);
        side(QStringLiteral("Top"), &TVoControl::Top, [](QRect& r, int v) { r.moveTop(v); }, std::nullopt);
        side(QStringLiteral("Width"), &TVoControl::Width, [](QRect& r, int v) { r.setWidth(v); }, 2);
        side(QStringLiteral("Height"), &TVoControl::Height, [](QRect& r, int v) { r.setHeight(v); }, 2);
        return;
    }
    TProjectSettings& settings = m_menu.Settings();
    TVelomniForm& menu = m_menu;
    const EditEffects frame = ProjectChanged | FrameSync;
    m_rows.Number(
        QStringLiteral("Left"), [&settings] { return settings.FormLeft; }, std::nullopt,
        [&settings](int v) { return settings.FormLeft = v; }, frame);
    m_rows.Number(
        QStringLiteral("Top"), [&settings] { return settings.FormTop; }, std::nullopt,
        [&settings](int v) { return settings.FormTop = v; }, frame);
    m_rows.Number(
        QStringLiteral("Width"), [&settings] { return settings.Width; }, 2,
        [&menu, &settings](int v) {
            menu.SetWindowSize(v, settings.Height);
            return settings.Width;
        },
        frame);
    m_rows.Number(
        QStringLiteral("Height"), [&settings] { return settings.Height; }, 2,
        [&menu, &settings](int v) {
            menu.SetWindowSize(settings.Width, v);
            return settings.Height;
        },
        frame);
}
