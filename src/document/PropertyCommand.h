// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "document/DesignDocument.h"
#include "document/DocumentCommand.h"

#include <concepts>
#include <functional>

// One property of the project or of an object, from its value before to
// the new one, set through the same setter the row uses. Typing into one
// row of one target merges into a single step.
template <class T>
class TPropertyCommand final : public TDocumentCommand {
public:
    using Setter = std::function<void(const T&)>;

    TPropertyCommand(TDesignDocument& document, const QString& name, const void* target, T before, T after,
                     Setter set, EditEffects effects, bool typing)
        : TDocumentCommand(document, name, effects), m_target(target), m_before(std::move(before)),
          m_after(std::move(after)), m_set(std::move(set)), m_typing(typing)
    {
    }

    int id() const override { return m_typing ? kTypingMergeId : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = dynamic_cast<const TPropertyCommand<T>*>(other);
        if (!next || next->m_target != m_target || next->text() != text()) return false;
        m_after = next->m_after;
        return true;
    }

private:
    void Apply(bool forward) override { m_set(forward ? m_after : m_before); }

    const void* m_target;
    T m_before;
    T m_after;
    Setter m_set;
    bool m_typing;
};

// Sets a property as one step named after it; target tells which object
// (or the project) it belongs to, so typing merges only within one row of
// one target. A value equal to the one held makes no step.
template <class T>
void EditProperty(TDesignDocument& document, const QString& name, const void* target, const std::function<T()>& get,
                  std::function<void(const T&)> set, const T& value, EditEffects effects, bool typing = false)
{
    T before = get();
    if constexpr (std::equality_comparable<T>)
        if (before == value) return;
    document.Push(new TPropertyCommand<T>(document, name, target, std::move(before), value, std::move(set), effects,
                                          typing));
}
