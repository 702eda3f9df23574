// SPDX-License-Identifier: GPL-2.0-or-later
#include "inspector/ValueTexts.h"

#include "model/Picture.h"
#include "model/ProjectSettings.h"

#include <limits>

namespace {

constexpr const char* kGradientTexts[] = {"None",           "TopBottom",       "BottomTop",
                                          "LeftRight",      "RightLeft",       "MiddleTopBottom",
                                          "MiddleLeftRight", "TopBottomMiddle", "LeftRightMiddle"};
constexpr int kGradientOrder[] = {0, 1, 2, 3, 4, 5, 7, 6, 8};
constexpr const char* kImageStyleTexts[] = {"Normal", "Center", "Stretch", "Tile"};
constexpr const char* kPositionTexts[] = {"ScreenCenter", "DesktopCenter", "WorkAreaCenter", "Design"};
constexpr const char* kButtonStyleTexts[] = {"Normal", "NormalFlat", "Themes", "ThemesFlat", "Transparent"};
constexpr const char* kImageLayoutTexts[] = {"Left", "Top", "Right", "Bottom", "Center", "Stretch"};
constexpr const char* kAlignmentTexts[] = {"Left", "Right", "Center"};
constexpr const char* kTextLayoutTexts[] = {"Top", "Center", "Bottom"};
constexpr int kTextLayoutOrder[] = {0, 2, 1};
constexpr const char* kScrollBarsTexts[] = {"None", "Horizontal", "Vertical", "Both"};
constexpr const char* kBoolTexts[] = {"False", "True"};

constexpr const char* kCursorPickList[] = {
    "Default", "Arrow",   "HandPoint", "UpArrow", "HourGlass", "AppStart", "Help",     "No",
    "Drag",    "NoDrop",  "MultiDrag", "Cross",   "IBeam",     "HSplit",   "VSplit",   "SizeAll",
    "SizeNESW", "SizeNS", "SizeNWSE",  "SizeWE",  "SQLWait",   "None"};

struct BorderEntry {
    const char* text;
    quint8 style;
    quint8 icons;
};
constexpr BorderEntry kBorders[] = {
    {"None", bsNone, biSystemMenu},
    {"Single", bsSingle, biSystemMenu},
    {"Sizeable", bsSizeable, biSystemMenu},
    {"SingleMinimize", bsSingle, biSystemMenu | biMinimize},
    {"SizeableMinimize", bsSizeable, biSystemMenu | biMinimize},
};

bool IsHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

} // namespace

QString BoolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> BoolFromText(const QString& text)
{
    if (text == QLatin1String("True")) return true;
    if (text == QLatin1String("False")) return false;
    return std::nullopt;
}

QString PictureText(const TPicture& picture)
{
    return QLatin1Char('[') + PictureKindText(picture.Graphic()) + QLatin1Char(']');
}

QString LongTextMarker(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("[None]") : QStringLiteral("[Text]");
}

std::optional<qint32> ParseNumberText(const QString& text)
{
    int i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (base == 10 ? !c.isDigit() || c.unicode() > u'9' : !IsHexDigit(c)) return std::nullopt;
        value = value * base + QString(c).toInt(nullptr, 16);
        // Hexadecimal text may spell the full 32 bits, as negative values do.
        const qint64 limit = base == 16 ? qint64(std::numeric_limits<quint32>::max())
                                        : qint64(std::numeric_limits<qint32>::max()) + (negative ? 1 : 0);
        if (value > limit) return std::nullopt;
    }
    if (base == 16 && !negative) return qint32(quint32(value));
    if (negative) value = -value;
    if (value < std::numeric_limits<qint32>::min()) return std::nullopt;
    return qint32(value);
}

qint32 LimitNumber(qint32 value, std::optional<qint32> minimum, std::optional<qint32> maximum)
{
    if (maximum && value > *maximum) value = *maximum;
    if (minimum && value < *minimum) value = *minimum;
    return value;
}

QString CodeText(const TCodeTable& table, int code)
{
    if (code < 0 || code >= int(table.texts.size())) return QString();
    return QString::fromLatin1(table.texts[size_t(code)]);
}

std::optional<int> CodeOfText(const TCodeTable& table, const QString& text)
{
    for (size_t code = 0; code < table.texts.size(); ++code)
        if (text == QLatin1String(table.texts[code])) return int(code);
    return std::nullopt;
}

QStringList PickList(const TCodeTable& table)
{
    QStringList list;
    if (table.pickOrder.empty())
        for (const char* text : table.texts) list << QString::fromLatin1(text);
    else
        for (int code : table.pickOrder) list << CodeText(table, code);
    return list;
}

const TCodeTable& GradientStyleTable()
{
    static const TCodeTable table{kGradientTexts, kGradientOrder};
    return table;
}

const TCodeTable& ImageStyleTable()
{
    static const TCodeTable table{kImageStyleTexts, {}};
    return table;
}

const TCodeTable& FormPositionTable()
{
    static const TCodeTable table{kPositionTexts, {}};
    return table;
}

const TCodeTable& ButtonStyleTable()
{
    static const TCodeTable table{kButtonStyleTexts, {}};
    return table;
}

const TCodeTable& ImageLayoutTable()
{
    static const TCodeTable table{kImageLayoutTexts, {}};
    return table;
}

const TCodeTable& AlignmentTable()
{
    static const TCodeTable table{kAlignmentTexts, {}};
    return table;
}

const TCodeTable& TextLayoutTable()
{
    static const TCodeTable table{kTextLayoutTexts, kTextLayoutOrder};
    return table;
}

const TCodeTable& ScrollBarsTable()
{
    static const TCodeTable table{kScrollBarsTexts, {}};
    return table;
}

const TCodeTable& BoolTable()
{
    static const TCodeTable table{kBoolTexts, {}};
    return table;
}

QStringList CursorPickList()
{
    QStringList list;
    for (const char* name : kCursorPickList) list << QString::fromLatin1(name);
    return list;
}

QString BorderText(quint8 borderStyle, quint8 borderIcons)
{
    if (borderStyle == bsNone) return QStringLiteral("None");
    if (borderStyle != bsSingle && borderStyle != bsSizeable) return QString();
    const bool minimize = borderIcons & biMinimize;
    for (const BorderEntry& entry : kBorders)
        if (entry.style == borderStyle && bool(entry.icons & biMinimize) == minimize)
            return QString::fromLatin1(entry.text);
    return QString();
}

std::optional<TBorderChoice> BorderFromText(const QString& text)
{
    for (const BorderEntry& entry : kBorders)
        if (text == QLatin1String(entry.text)) return TBorderChoice{entry.style, entry.icons};
    return std::nullopt;
}

QStringList BorderPickList()
{
    QStringList list;
    for (const BorderEntry& entry : kBorders) list << QString::fromLatin1(entry.text);
    return list;
}
