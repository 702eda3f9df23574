// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "document/PropertyCommand.h"
#include "inspector/PropertyGrid.h"

#include <functional>
#include <memory>
#include <vector>

class TRowSet;

// What a row does: on a change of its text, on its ellipsis button, and
// when a typed value is validated as the cell is left (false: rejected).
struct TPropertyRow {
    std::function<void(int row, const QString& text)> change;
    std::function<void(int row)> ellipsis;
    std::function<bool(int row, const QString& text)> validate;
};

// How a row is edited; rows of several objects join only when they are
// edited alike. An own row belongs to its one object and joins nothing.
enum class RowKind { Own, Text, Pick, Color, Font, Picture, File, Number, LongText };

// The targets behind one row: each object (or the project) with its value.
template <class T>
using TAccessList = std::vector<TPropertyAccess<T>>;

// A row of one object, or of the project, before it reaches the grid. The
// rows of one key and kind of several selected objects join into one row
// over all their targets.
class TStagedRow {
public:
    TStagedRow(QString key, RowKind kind, int group) : m_key(std::move(key)), m_kind(kind), m_group(group) {}
    virtual ~TStagedRow() = default;

    const QString& Key() const { return m_key; }
    RowKind Kind() const { return m_kind; }
    // The group image the row's group starts with; -1 for none.
    int Group() const { return m_group; }
    // Whether the row may join rows of other objects; an own row and a
    // row kept to its object may not.
    bool Joins() const { return m_kind != RowKind::Own && !m_alone; }
    void KeepAlone() { m_alone = true; }
    // Takes the targets of another object's row into this one; false when
    // the two cannot be edited as one row. Rows of different groups lose
    // their group.
    bool Join(TStagedRow& other)
    {
        if (!Joins() || !other.Joins() || other.m_kind != m_kind || other.m_key != m_key || !JoinTargets(other))
            return false;
        if (other.m_group != m_group) m_group = -1;
        return true;
    }
    // Appends the row to the grid; returns its number there.
    virtual int Build(TRowSet& rows) = 0;

private:
    virtual bool JoinTargets(TStagedRow& other) = 0;

    QString m_key;
    RowKind m_kind;
    int m_group;
    bool m_alone = false;
};

using TStagedRows = std::vector<std::unique_ptr<TStagedRow>>;

// A row over values of type T: make appends it to the grid for the
// targets it ends up with.
template <class T>
class TValueRow final : public TStagedRow {
public:
    using Make = std::function<int(TRowSet& rows, const TAccessList<T>& targets)>;

    TValueRow(QString key, RowKind kind, int group, TPropertyAccess<T> target, Make make)
        : TStagedRow(std::move(key), kind, group), m_targets{std::move(target)}, m_make(std::move(make))
    {
    }
    int Build(TRowSet& rows) override { return m_make(rows, m_targets); }

private:
    bool JoinTargets(TStagedRow& other) override
    {
        auto* same = dynamic_cast<TValueRow<T>*>(&other);
        if (!same) return false;
        m_targets.insert(m_targets.end(), same->m_targets.begin(), same->m_targets.end());
        return true;
    }

    TAccessList<T> m_targets;
    Make m_make;
};

// A row of one target only, made as it is.
class TOwnRow final : public TStagedRow {
public:
    TOwnRow(TGridRow look, TPropertyRow actions, int group)
        : TStagedRow(look.key, RowKind::Own, group), m_look(std::move(look)), m_actions(std::move(actions))
    {
    }
    int Build(TRowSet& rows) override;

private:
    bool JoinTargets(TStagedRow&) override { return false; }

    TGridRow m_look;
    TPropertyRow m_actions;
};
