// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "inspector/PropertyGrid.h"
#include "inspector/SharedRows.h"
#include "inspector/ValueTexts.h"
#include "model/EditEffects.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class TInspectorHost;
class TPicture;

// Builds the rows of the grid in two steps. First the row helpers stage
// the rows of one target (an object or the project settings), each with
// its getter and setter; the rows of several objects then join (see
// JoinRows) and Build appends them to the grid, so row n of the grid is
// entry n - 1 of Rows(). A row shows the value its targets agree on and
// stores a value into each of them as one step of the design document,
// named after the row's key.
class TRowSet {
public:
    TRowSet(TPropertyGrid& grid, TInspectorHost& host, TDesignDocument& document)
        : m_grid(grid), m_host(host), m_document(document)
    {
    }
    // The object (or the project settings) the rows staged next belong to,
    // and the group (its image) they start or continue.
    void SetTarget(const void* target) { m_target = target; }
    void SetGroup(int group) { m_group = group; }
    // The rows staged since the last call.
    TStagedRows TakeStaged() { return std::exchange(m_staged, {}); }
    // Appends the rows to the grid, giving the first row of each group its
    // image; returns each group's image with its first row.
    std::vector<std::pair<int, int>> Build(TStagedRows rows);

    // Stores a value into each target as one document step; typed text of
    // one row merges into the step before it.
    template <class T>
    void Store(const QString& key, const TAccessList<T>& targets, const T& value, EditEffects effects,
               bool typing = false)
    {
        EditPropertyOfEach<T>(m_document, key, targets, [&value](const T&) { return value; }, effects, typing);
    }
    // The same for the current target.
    template <class T>
    void Store(const QString& key, const std::function<T()>& get, std::function<void(const T&)> set, const T& value,
               EditEffects effects)
    {
        Store<T>(key, {{m_target, get, std::move(set)}}, value, effects);
    }

    // No rows, in the grid and here.
    void Clear()
    {
        m_rows.clear();
        m_staged.clear();
        m_grid.ClearRows();
    }
    // Appends a row to the grid at once; returns its number.
    int Add(TGridRow look, TPropertyRow actions = {});
    // Stages a row of the current target alone, made as it is.
    void Own(TGridRow look, TPropertyRow actions = {});
    // The row staged last belongs to its target alone.
    void MarkOwn();

    // The row helpers: each stages one row of the current target.
    // A typed text stored on every keystroke.
    void Text(const QString& key, std::function<QString()> get, std::function<void(const QString&)> set,
              EditEffects effects);
    // A choice among the texts of a pick list: textOf gives a value's
    // text, valueOf the value of a chosen text (nothing stores nothing).
    // Read-only unless typable, when a typed text is taken as chosen.
    template <class T>
    void Pick(const QString& key, const QStringList& pickList, std::function<T()> get,
              std::function<void(const T&)> set, std::function<QString(const T&)> textOf,
              std::function<std::optional<T>(const QString&)> valueOf, EditEffects effects, bool typable = false)
    {
        Stage<T>(key, RowKind::Pick, std::move(get), std::move(set),
                 [key, pickList, textOf, valueOf, effects, typable](TRowSet& rows, const TAccessList<T>& targets) {
                     TGridRow look{key, AgreedText(targets, textOf)};
                     look.readOnly = !typable;
                     look.pickList = pickList;
                     return rows.Add(look, {[&rows, key, valueOf, targets, effects](int, const QString& text) {
                                                if (const std::optional<T> value = valueOf(text))
                                                    rows.Store<T>(key, targets, *value, effects);
                                            },
                                            {},
                                            {}});
                 });
    }
    // A read-only list of an enumeration.
    void List(const QString& key, const TCodeTable& table, std::function<int()> get, std::function<void(int)> set,
              EditEffects effects);
    void Bool(const QString& key, std::function<bool()> get, std::function<void(bool)> set, EditEffects effects);
    // A colour chosen in the colour dialog.
    void Color(const QString& key, std::function<TColor()> get, std::function<void(TColor)> set, EditEffects effects);
    // A font chosen in the font dialog, and its colour on the next row.
    void FontAndColor(const QString& fontKey, const QString& colorKey, std::function<TVoFont()> get,
                      std::function<void(const TVoFont&)> set, EditEffects effects);
    // A picture edited in the image dialog.
    void Picture(const QString& key, std::function<TPicture()> get, std::function<void(const TPicture&)> set,
                 EditEffects effects);
    // A long text edited in the text dialog; the cell shows a marker.
    void LongText(const QString& key, std::function<QString()> get, std::function<void(const QString&)> set,
                  EditEffects effects);
    // A project file, typed or chosen through the project file chooser.
    void File(const QString& key, std::function<QString()> get, const QString& filter,
              std::function<void(const QString&)> set, EditEffects effects);
    // A whole number applied when the cell is left: the stored value, the
    // minimum, and a setter giving the value that was stored. A typed value
    // equal to the stored one stays as typed, unless showStoredWhenEqual.
    void Number(const QString& key, std::function<int()> get, std::optional<qint32> minimum,
                std::function<int(int)> set, EditEffects effects, bool showStoredWhenEqual = false);

    void SetImage(int row, int image);
    std::vector<TPropertyRow>& Rows() { return m_rows; }
    TPropertyGrid& Grid() { return m_grid; }
    TInspectorHost& Host() { return m_host; }
    TDesignDocument& Document() { return m_document; }

private:
    template <class T>
    void Stage(const QString& key, RowKind kind, std::function<T()> get, std::function<void(const T&)> set,
               typename TValueRow<T>::Make make)
    {
        m_staged.push_back(std::make_unique<TValueRow<T>>(
            key, kind, m_group, TPropertyAccess<T>{m_target, std::move(get), std::move(set)}, std::move(make)));
    }

    TPropertyGrid& m_grid;
    TInspectorHost& m_host;
    TDesignDocument& m_document;
    const void* m_target = nullptr;
    int m_group = -1;
    TStagedRows m_staged;
    std::vector<TPropertyRow> m_rows;
};

// Reads a typed number: nothing, after the "is not a valid value." box,
// when the text is not one; else the value held to the limits.
std::optional<qint32> ReadNumberCell(const QString& text, std::optional<qint32> minimum = std::nullopt,
                                     std::optional<qint32> maximum = std::nullopt);
// The font dialog on a copy of the font; on OK the font takes the face,
// size and style chosen (the colour and character set stay), and the
// result is true.
bool EditFont(TVoFont& font, QWidget* parent);
