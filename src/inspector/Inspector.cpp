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
        FillProjectRows();
        FillCommonRows(nullptr);
        FillPositionRows(nullptr);
    } else if (m_entry > 0) {
        TVoObject& entry = *objects[size_t(ObjectOfEntry(m_entry, objects))];
        m_rows.SetTarget(&entry);
        FillKindRows(entry);
        if (entry.ObjectType != okExplorer) FillCommonRows(&entry);
        FillPositionRows(&entry);
    } else {
        m_rows.Add({});
    }
    if (m_entry >= 0) {
        m_rows.SetImage(1, m_entry == kProjectEntry
                               ? kProjectGroupImage
                               : kFirstKindGroupImage + objects[size_t(ObjectOfEntry(m_entry, objects))]->ObjectType);
        const std::pair<int, int> groups[] = {{m_markers.FirstPositionRow, kPositionGroupImage},
                                              {m_markers.FirstCommonRow, kCommonGroupImage},
                                              {m_markers.FirstWindowRow, kWindowGroupImage},
                                              {m_markers.FirstSplashRow, kSplashGroupImage},
                                              {m_markers.FirstBackdropRow, kBackdropGroupImage}};
        for (const auto& [row, image] : groups)
            if (row != kNoGroup) m_rows.SetImage(row, image);
    }
    m_grid.SetCurrentRow(1);
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
    m_markers.FirstCommonRow = m_rows.Next();
    auto* control = entry ? dynamic_cast<TWidgetControl*>(entry->Control.get()) : nullptr;
    TProjectSettings& settings = m_menu.Settings();
    const TCursor cursor = control ? control->Cursor() : settings.Cursor;
    TGridRow cursorRow{QStringLiteral("Cursor"), CursorName(cursor)};
    cursorRow.readOnly = true;
    cursorRow.pickList = CursorPickList();
    const std::function<TCursor()> getCursor = [control, &settings] {
        return control ? control->Cursor() : settings.Cursor;
    };
    m_rows.Add(cursorRow, {[this, control, &settings, getCursor](int, const QString& text) {
                               m_rows.Store<TCursor>(
                                   QStringLiteral("Cursor"), getCursor,
                                   [control, &settings](const TCursor& chosen) {
                                       if (control)
                                           control->SetCursor(chosen);
                                       else
                                           settings.Cursor = chosen;
                                   },
                                   CursorFromName(text).value_or(crDefault), ProjectChanged);
                           },
                           {},
                           {}});
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
    m_markers.FirstPositionRow = m_rows.Next();
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
