// SPDX-License-Identifier: GPL-2.0-or-later
#include "inspector/RowSet.h"

#include "inspector/InspectorHost.h"
#include "inspector/ProjectFileChooser.h"
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

int TRowSet::Add(TGridRow look, TPropertyRow actions)
{
    m_rows.push_back(std::move(actions));
    return m_grid.AppendRow(look);
}

void TRowSet::SetImage(int row, int image)
{
    m_grid.SetRowImage(row, image);
}

int TRowSet::Text(const QString& key, std::function<QString()> get, std::function<void(const QString&)> set,
                  EditEffects effects)
{
    const QString value = get();
    return Add({key, value}, {[this, key, get, set, effects](int, const QString& text) {
                                  Store<QString>(key, get, set, text, effects, true);
                              },
                              {},
                              {}});
}

int TRowSet::List(const QString& key, const TCodeTable& table, std::function<int()> get,
                  std::function<void(int)> set, EditEffects effects)
{
    TGridRow look{key, CodeText(table, get())};
    look.readOnly = true;
    look.pickList = PickList(table);
    return Add(look, {[this, key, &table, get, set, effects](int, const QString& text) {
                          if (const auto chosen = CodeOfText(table, text))
                              Store<int>(key, get, [set](const int& code) { set(code); }, *chosen, effects);
                      },
                      {},
                      {}});
}

int TRowSet::Bool(const QString& key, std::function<bool()> get, std::function<void(bool)> set, EditEffects effects)
{
    return List(key, kBoolTable, [get] { return get() ? 1 : 0; }, [set](int code) { set(code != 0); }, effects);
}

int TRowSet::Color(const QString& key, std::function<TColor()> get, std::function<void(TColor)> set,
                   EditEffects effects)
{
    TGridRow look{key, ColorName(get()), RowEdit::Ellipsis, true};
    look.look = CellLook::Color;
    look.color = get;
    return Add(look, {{},
                      [this, key, get, set, effects](int row) {
                          TColor color = get();
                          if (!m_host.SelectColor(color)) return;
                          Store<TColor>(key, get, [set](const TColor& c) { set(c); }, color, effects);
                          m_grid.SetValue(row, ColorName(color));
                      },
                      {}});
}

int TRowSet::FontAndColor(const QString& fontKey, const QString& colorKey, std::function<TVoFont()> get,
                          std::function<void(const TVoFont&)> set, EditEffects effects)
{
    TGridRow look{fontKey, get().Name, RowEdit::Ellipsis, true};
    look.look = CellLook::Font;
    look.font = get;
    const int row = Add(look, {{},
                               [this, fontKey, get, set, effects](int row) {
                                   TVoFont font = get();
                                   if (!EditFont(font, m_host.DialogParent())) return;
                                   Store<TVoFont>(fontKey, get, set, font, effects);
                                   m_grid.SetValue(row, font.Name);
                                   m_grid.SetValue(row + 1, ColorName(font.Color));
                               },
                               {}});
    Color(
        colorKey, [get] { return get().Color; },
        [get, set](TColor color) {
            TVoFont font = get();
            font.Color = color;
            set(font);
        },
        effects);
    return row;
}

int TRowSet::Picture(const QString& key, std::function<TPicture()> get, std::function<void(const TPicture&)> set,
                     EditEffects effects)
{
    auto edit = [this, key, get, set, effects](int row) {
        TPicture picture = get();
        if (!m_host.EditPicture(picture, false)) return;
        Store<TPicture>(key, get, set, picture, effects);
        m_grid.SetValue(row, PictureText(picture));
    };
    return Add({key, PictureText(get()), RowEdit::Ellipsis, true}, {{}, edit, {}});
}

int TRowSet::File(const QString& key, std::function<QString()> get, const QString& filter,
                  std::function<void(const QString&)> set, EditEffects effects)
{
    // The chosen path goes into the cell, whose change event stores it.
    return Add({key, get(), RowEdit::Ellipsis},
               {[this, key, get, set, effects](int, const QString& text) {
                    Store<QString>(key, get, set, text, effects, true);
                },
                [this, filter](int row) {
                    if (const auto path = ChooseProjectFile(m_grid.Value(row), filter, m_host.DialogParent()))
                        m_grid.SetValue(row, *path);
                },
                {}});
}

int TRowSet::Number(const QString& key, std::function<int()> get, std::optional<qint32> minimum,
                    std::function<int(int)> set, EditEffects effects, bool showStoredWhenEqual)
{
    auto validate = [this, key, get, minimum, set, effects, showStoredWhenEqual](int row, const QString& text) {
        const auto value = ReadNumberCell(text, minimum);
        if (!value) {
            m_grid.ShowValue(row, QString::number(get()));
            return false;
        }
        if (*value == get()) {
            if (showStoredWhenEqual) m_grid.ShowValue(row, QString::number(get()));
            return true;
        }
        Store<int>(key, get, [set](const int& v) { set(v); }, *value, effects);
        m_grid.ShowValue(row, QString::number(get()));
        return true;
    };
    return Add({key, QString::number(get())}, {{}, {}, validate});
}
