// SPDX-License-Identifier: GPL-2.0-or-later
#include "inspector/RowSet.h"

#include "inspector/InspectorHost.h"
#include "inspector/ProjectFileChooser.h"
#include "inspector/SharedRows.h"
#include "model/ColorNames.h"
#include "model/Picture.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxes.h"

#include <QFont>

std::optional<qint32> ReadNumberCell(const QString& text, std::optional<qint32> minimum,
                                     std::optional<qint32> maximum)
{
    const std::optional<qint32> value = ParseNumberText(text);
    if (!value) {
        GetMessageBoxes().Show(QStringLiteral("Information"),
                               QLatin1Char('"') + text + QStringLiteral("\" is not a valid value."),
                               MsgIcon::Information, MsgButtons::Ok);
        return std::nullopt;
    }
    return LimitNumber(*value, minimum, maximum);
}

bool EditFont(TVoFont& font, QWidget* parent)
{
    const std::optional<QFont> chosen = GetDialogs().ChooseFont(parent, ToQFont(font));
    if (!chosen) return false;
    font.Name = chosen->family();
    if (chosen->pointSize() > 0) font.Size = chosen->pointSize();
    quint8 style = 0;
    if (chosen->bold()) style |= fsBold;
    if (chosen->italic()) style |= fsItalic;
    if (chosen->underline()) style |= fsUnderline;
    if (chosen->strikeOut()) style |= fsStrikeOut;
    font.Style = style;
    return true;
}

namespace {

QString Same(const QString& text)
{
    return text;
}

} // namespace

int TRowSet::Add(TGridRow look, TPropertyRow actions)
{
    m_rows.push_back(std::move(actions));
    return m_grid.AppendRow(look);
}

int TOwnRow::Build(TRowSet& rows)
{
    return rows.Add(m_look, m_actions);
}

void TRowSet::Own(TGridRow look, TPropertyRow actions)
{
    m_staged.push_back(std::make_unique<TOwnRow>(std::move(look), std::move(actions), m_group));
}

void TRowSet::MarkOwn()
{
    if (!m_staged.empty()) m_staged.back()->KeepAlone();
}

std::vector<std::pair<int, int>> TRowSet::Build(TStagedRows rows)
{
    std::vector<std::pair<int, int>> firsts;
    int group = -1;
    for (const auto& staged : rows) {
        const int row = staged->Build(*this);
        if (staged->Group() != group && staged->Group() >= 0) {
            SetImage(row, staged->Group());
            firsts.emplace_back(staged->Group(), row);
        }
        group = staged->Group();
    }
    return firsts;
}

void TRowSet::SetImage(int row, int image)
{
    m_grid.SetRowImage(row, image);
}

void TRowSet::Text(const QString& key, std::function<QString()> get, std::function<void(const QString&)> set,
                   EditEffects effects)
{
    Stage<QString>(key, RowKind::Text, std::move(get), std::move(set),
                   [key, effects](TRowSet& rows, const TAccessList<QString>& targets) {
                       return rows.Add({key, AgreedText(targets, Same)},
                                       {[&rows, key, targets, effects](int, const QString& text) {
                                            rows.Store<QString>(key, targets, text, effects, true);
                                        },
                                        {},
                                        {}});
                   });
}

void TRowSet::List(const QString& key, const TCodeTable& table, std::function<int()> get,
                   std::function<void(int)> set, EditEffects effects)
{
    Pick<int>(
        key, PickList(table), std::move(get), [set](const int& code) { set(code); },
        [&table](const int& code) { return CodeText(table, code); },
        [&table](const QString& text) { return CodeOfText(table, text); }, effects);
}

void TRowSet::Bool(const QString& key, std::function<bool()> get, std::function<void(bool)> set,
                   EditEffects effects)
{
    List(key, kBoolTable, [get] { return get() ? 1 : 0; }, [set](int code) { set(code != 0); }, effects);
}

void TRowSet::Color(const QString& key, std::function<TColor()> get, std::function<void(TColor)> set,
                    EditEffects effects)
{
    Stage<TColor>(
        key, RowKind::Color, std::move(get), [set](const TColor& color) { set(color); },
        [key, effects](TRowSet& rows, const TAccessList<TColor>& targets) {
            TGridRow look{key, AgreedText(targets, ColorName), RowEdit::Ellipsis, true};
            look.look = CellLook::Color;
            look.color = [targets] { return AgreedValue(targets, ColorName); };
            return rows.Add(look, {{},
                                   [&rows, key, targets, effects](int row) {
                                       TColor color = targets.front().get();
                                       if (!rows.Host().SelectColor(color)) return;
                                       rows.Store<TColor>(key, targets, color, effects);
                                       rows.Grid().SetValue(row, ColorName(color));
                                   },
                                   {}});
        });
}

void TRowSet::FontAndColor(const QString& fontKey, const QString& colorKey, std::function<TVoFont()> get,
                           std::function<void(const TVoFont&)> set, EditEffects effects)
{
    auto fontName = [](const TVoFont& font) { return font.Name; };
    Stage<TVoFont>(
        fontKey, RowKind::Font, get, set, [fontKey, effects, fontName](TRowSet& rows, const TAccessList<TVoFont>& targets) {
            TGridRow look{fontKey, AgreedText(targets, fontName), RowEdit::Ellipsis, true};
            look.look = CellLook::Font;
            look.font = [targets, fontName] { return AgreedValue(targets, fontName); };
            return rows.Add(
                look, {{},
                       [&rows, fontKey, targets, effects](int row) {
                           // The dialog starts from the first object's font; each
                           // object takes the face, size and style chosen and
                           // keeps its own colour and character set.
                           TVoFont chosen = targets.front().get();
                           if (!EditFont(chosen, rows.Host().DialogParent())) return;
                           EditPropertyOfEach<TVoFont>(
                               rows.Document(), fontKey, targets,
                               [&chosen](const TVoFont& own) {
                                   TVoFont font = own;
                                   font.Name = chosen.Name;
                                   font.Size = chosen.Size;
                                   font.Style = chosen.Style;
                                   return font;
                               },
                               effects);
                           rows.Grid().SetValue(row, chosen.Name);
                       },
                       {}});
        });
    Color(
        colorKey, [get] { return get().Color; },
        [get, set](TColor color) {
            TVoFont font = get();
            font.Color = color;
            set(font);
        },
        effects);
}

void TRowSet::Picture(const QString& key, std::function<TPicture()> get, std::function<void(const TPicture&)> set,
                      EditEffects effects)
{
    Stage<TPicture>(key, RowKind::Picture, std::move(get), std::move(set),
                    [key, effects](TRowSet& rows, const TAccessList<TPicture>& targets) {
                        auto edit = [&rows, key, targets, effects](int row) {
                            TPicture picture = targets.front().get();
                            if (!rows.Host().EditPicture(picture, false)) return;
                            rows.Store<TPicture>(key, targets, picture, effects);
                            rows.Grid().SetValue(row, PictureText(picture));
                        };
                        return rows.Add({key, AgreedText(targets, PictureText), RowEdit::Ellipsis, true},
                                        {{}, edit, {}});
                    });
}

void TRowSet::LongText(const QString& key, std::function<QString()> get, std::function<void(const QString&)> set,
                       EditEffects effects)
{
    Stage<QString>(key, RowKind::LongText, std::move(get), std::move(set),
                   [key, effects](TRowSet& rows, const TAccessList<QString>& targets) {
                       const std::optional<QString> agreed = AgreedValue(targets, Same);
                       TGridRow look{key, agreed ? LongTextMarker(*agreed) : QString(), RowEdit::Ellipsis, true};
                       return rows.Add(look, {{},
                                              [&rows, key, targets, effects](int row) {
                                                  QString text = targets.front().get();
                                                  if (!rows.Host().EditText(text)) return;
                                                  rows.Store<QString>(key, targets, text, effects);
                                                  rows.Grid().SetValue(row, LongTextMarker(text));
                                              },
                                              {}});
                   });
}

void TRowSet::File(const QString& key, std::function<QString()> get, const QString& filter,
                   std::function<void(const QString&)> set, EditEffects effects)
{
    // The chosen path goes into the cell, whose change event stores it.
    Stage<QString>(key, RowKind::File, std::move(get), std::move(set),
                   [key, filter, effects](TRowSet& rows, const TAccessList<QString>& targets) {
                       return rows.Add({key, AgreedText(targets, Same), RowEdit::Ellipsis},
                                       {[&rows, key, targets, effects](int, const QString& text) {
                                            rows.Store<QString>(key, targets, text, effects, true);
                                        },
                                        [&rows, filter](int row) {
                                            if (const auto path = ChooseProjectFile(rows.Grid().Value(row), filter,
                                                                                    rows.Host().DialogParent()))
                                                rows.Grid().SetValue(row, *path);
                                        },
                                        {}});
                   });
}

void TRowSet::Number(const QString& key, std::function<int()> get, std::optional<qint32> minimum,
                     std::function<int(int)> set, EditEffects effects, bool showStoredWhenEqual)
{
    auto number = [](int value) { return QString::number(value); };
    Stage<int>(key, RowKind::Number, std::move(get), [set](const int& value) { set(value); },
               [key, minimum, effects, showStoredWhenEqual, number](TRowSet& rows, const TAccessList<int>& targets) {
                   auto validate = [&rows, key, minimum, effects, showStoredWhenEqual, number,
                                    targets](int row, const QString& text) {
                       const auto value = ReadNumberCell(text, minimum);
                       if (!value) {
                           rows.Grid().ShowValue(row, AgreedText(targets, number));
                           return false;
                       }
                       if (AgreedValue(targets, number) == *value) {
                           if (showStoredWhenEqual) rows.Grid().ShowValue(row, AgreedText(targets, number));
                           return true;
                       }
                       rows.Store<int>(key, targets, *value, effects);
                       rows.Grid().ShowValue(row, AgreedText(targets, number));
                       return true;
                   };
                   return rows.Add({key, AgreedText(targets, number)}, {{}, {}, validate});
               });
}
