// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "inspector/RowSet.h"

#include <utility>
#include <vector>

class TDesignDocument;
class TInspectorHost;
class TPropertyGrid;
class TVelomniForm;
struct TVoObject;

// The first rows of the row groups, or kNoGroup when the current entry
// has no such group; the key column paints their group images.
constexpr int kNoGroup = -1000;
struct TRowMarkers {
    int FirstPositionRow = kNoGroup;
    int FirstCommonRow = kNoGroup;
    int FirstWindowRow = kNoGroup;
    int FirstSplashRow = kNoGroup;
    int FirstBackdropRow = kNoGroup;
};

// Group images of the key column.
enum : int {
    kProjectGroupImage = 0,
    kWindowGroupImage = 1,
    kCommonGroupImage = 2,
    kPositionGroupImage = 3,
    kSplashGroupImage = 12,
    kBackdropGroupImage = 13,
    kFirstKindGroupImage = 6,
};

// The objects the grid shows for the current object: itself alone, or,
// when it is selected, itself first and then the other selected objects
// in list order.
std::vector<TVoObject*> ShownObjects(TVoObject& current, const std::vector<TVoObject*>& objects);

// The property inspector: fills the grid with the rows of the current
// entry and routes the grid's events to the row that raised them. Every
// edit is a step of the design document, which applies it to the menu
// window's settings or the object's control.
class TInspector {
public:
    TInspector(TPropertyGrid& grid, TInspectorHost& host, TDesignDocument& document);

    // Rebuilds the rows: the project for entry 0, object entry - 1 above
    // that, one empty row for none (-1). When that object is one of
    // several selected, the rows are those all the selected objects share
    // (see ShownObjects and JoinRows), and an edit applies to each.
    void Fill(int currentEntry);
    const TRowMarkers& Markers() const { return m_markers; }
    int CurrentEntry() const { return m_entry; }

    // The row sets, each appended to the grid in its stored order.
    void FillProjectRows();
    void FillKindRows(TVoObject& entry);
    void FillCommonRows(TVoObject* entry);
    void FillPositionRows(TVoObject* entry);

private:
    void TakeMarkers(const std::vector<std::pair<int, int>>& groupFirsts);
    void ValueEditStringsChange(int row);
    void ValueEditEditButtonClick(int row);
    bool ValueEditValidate(int row);
    const TPropertyRow* RowAt(int row);

    TPropertyGrid& m_grid;
    TInspectorHost& m_host;
    TDesignDocument& m_document;
    TVelomniForm& m_menu;
    TRowSet m_rows;
    TRowMarkers m_markers;
    int m_entry = -1;
};
