// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/Cursor.h"

namespace {

struct CursorEntry {
    TCursor code;
    const char* name;
    Qt::CursorShape shape;
};

const CursorEntry kCursors[] = {
    {0, "Default", Qt::ArrowCursor},
    {-1, "None", Qt::BlankCursor},
    {-2, "Arrow", Qt::ArrowCursor},
    {-3, "Cross", Qt::CrossCursor},
    {-4, "IBeam", Qt::IBeamCursor},
    {-6, "SizeNESW", Qt::SizeBDiagCursor},
    {-7, "SizeNS", Qt::SizeVerCursor},
    {-8, "SizeNWSE", Qt::SizeFDiagCursor},
    {-9, "SizeWE", Qt::SizeHorCursor},
    {-10, "UpArrow", Qt::UpArrowCursor},
    {-11, "HourGlass", Qt::WaitCursor},
    {-12, "Drag", Qt::DragMoveCursor},
    {-13, "NoDrop", Qt::ForbiddenCursor},
    {-14, "HSplit", Qt::SplitHCursor},
    {-15, "VSplit", Qt::SplitVCursor},
    {-16, "MultiDrag", Qt::DragCopyCursor},
    {-17, "SQLWait", Qt::WaitCursor},
    {-18, "No", Qt::ForbiddenCursor},
    {-19, "AppStart", Qt::BusyCursor},
    {-20, "Help", Qt::WhatsThisCursor},
    {-21, "HandPoint", Qt::PointingHandCursor},
    {-22, "SizeAll", Qt::SizeAllCursor},
};

const CursorEntry* Find(TCursor code)
{
    for (const CursorEntry& e : kCursors)
        if (e.code == code) return &e;
    return nullptr;
}

} // namespace

QString CursorName(TCursor cursor)
{
    const CursorEntry* e = Find(cursor);
    return e ? QString::fromLatin1(e->name) : QStringLiteral("Unknown");
}

std::optional<TCursor> CursorFromName(const QString& name)
{
    for (const CursorEntry& e : kCursors)
        if (name == QLatin1String(e.name)) return e.code;
    return std::nullopt;
}

std::optional<Qt::CursorShape> CursorShape(TCursor cursor)
{
    if (cursor == crDefault) return std::nullopt;
    const CursorEntry* e = Find(cursor);
    if (!e) return std::nullopt;
    return e->shape;
}
