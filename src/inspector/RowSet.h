// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "document/PropertyCommand.h"
#include "inspector/PropertyGrid.h"
#include "inspector/ValueTexts.h"
#include "model/EditEffects.h"

#include <functional>
#include <optional>
#include <vector>

class TInspectorHost;
class TPicture;

// What a row does: on a change of its text, on its ellipsis button, and
// when a typed value is validated as the cell is left (false: rejected).
struct TPropertyRow {
    std::function<void(int row, const QString& text)> change;
    std::function<void(int row)> ellipsis;
    std::function<bool(int row, const QString& text)> validate;
};

// Builds a row set into the grid: each row is appended with its look and
// what it does, so row n of the grid is entry n - 1 of Rows(). Every
// value a row stores is one step of the design document, named after the
// row's key; the row's getter gives the value before.
class TRowSet {
public:
    TRowSet(TPropertyGrid& grid, TInspectorHost& host, TDesignDocument& document)
        : m_grid(grid), m_host(host), m_document(document)
    {
    }
    // The object (or the project settings) the rows now belong to.
    void SetTarget(const void* target) { m_target = target; }
    // Stores a value of the target as one document step; typed text of one
    // row merges into the step before it.
    template <class T>
    void Store(const QString& key, const std::function<T()>& get, std::function<void(const T&)> set, const T& value,
               EditEffects effects, bool typing = false)
    {
        EditProperty<T>(m_document, key, m_target, get, std::move(set), value, effects, typing);
    }

    // No rows, in the grid and here.
    void Clear()
    {
        m_rows.clear();
        m_grid.ClearRows();
    }
    // The number the next appended row gets.
    int Next() const { return m_grid.RowCount() + 1; }
    int Add(TGridRow look, TPropertyRow actions = {});

    // A typed text stored on every keystroke.
    int Text(const QString& key, std::function<QString()> get, std::function<void(const QString&)> set,
             EditEffects effects);
    // A read-only list of an enumeration; a text matching no entry stores
    // nothing.
    int List(const QString& key, const TCodeTable& table, std::function<int()> get, std::function<void(int)> set,
             EditEffects effects);
    int Bool(const QString& key, std::function<bool()> get, std::function<void(bool)> set, EditEffects effects);
    // A colour chosen in the colour dialog.
    int Color(const QString& key, std::function<TColor()> get, std::function<void(TColor)> set,
              EditEffects effects);
    // A font chosen in the font dialog, and its colour on the next row.
    int FontAndColor(const QString& fontKey, const QString& colorKey, std::function<TVoFont()> get,
                     std::function<void(const TVoFont&)> set, EditEffects effects);
    // A picture edited in the image dialog.
    int Picture(const QString& key, std::function<TPicture()> get, std::function<void(const TPicture&)> set,
                EditEffects effects);
    // A project file, typed or chosen through the project file chooser.
    int File(const QString& key, std::function<QString()> get, const QString& filter,
             std::function<void(const QString&)> set, EditEffects effects);
    // A whole number applied when the cell is left: the stored value, the
    // minimum, and a setter giving the value that was stored. A typed value
    // equal to the stored one stays as typed, unless showStoredWhenEqual.
    int Number(const QString& key, std::function<int()> get, std::optional<qint32> minimum,
               std::function<int(int)> set, EditEffects effects, bool showStoredWhenEqual = false);

    void SetImage(int row, int image);
    std::vector<TPropertyRow>& Rows() { return m_rows; }
    TPropertyGrid& Grid() { return m_grid; }
    TInspectorHost& Host() { return m_host; }
    TDesignDocument& Document() { return m_document; }

private:
    TPropertyGrid& m_grid;
    TInspectorHost& m_host;
    TDesignDocument& m_document;
    const void* m_target = nullptr;
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
