// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "document/DesignDocument.h"
#include "document/DocumentCommand.h"

#include <concepts>
#include <functional>
#include <vector>

// One property of the project or of one or more objects, each from its own
// value before to its new one, set through the same setter the row uses.
// Typing into one row of the same targets merges into a single step.
template <class T>
class TPropertyCommand final : public TDocumentCommand {
public:
    using Setter = std::function<void(const T&)>;
    // One target's share of the step.
    struct Part {
        const void* target;
        T before;
        T after;
        Setter set;
    };

    TPropertyCommand(TDesignDocument& document, const QString& name, std::vector<Part> parts, EditEffects effects,
                     bool typing)
        : TDocumentCommand(document, name, effects), m_parts(std::move(parts)), m_typing(typing)
    {
    }

    int id() const override { return m_typing ? kTypingMergeId : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = dynamic_cast<const TPropertyCommand<T>*>(other);
        if (!next || next->text() != text() || next->m_parts.size() != m_parts.size()) return false;
        for (size_t i = 0; i < m_parts.size(); ++i)
            if (next->m_parts[i].target != m_parts[i].target) return false;
        for (size_t i = 0; i < m_parts.size(); ++i) m_parts[i].after = next->m_parts[i].after;
        return true;
    }

private:
    // Undone in reverse, so targets that share state end as they began.
    void Apply(bool forward) override
    {
        if (forward)
            for (Part& part : m_parts) part.set(part.after);
        else
            for (auto part = m_parts.rbegin(); part != m_parts.rend(); ++part) part->set(part->before);
    }

    std::vector<Part> m_parts;
    bool m_typing;
};

// What one target of an edit is: its value as it is, and how to set it.
template <class T>
struct TPropertyAccess {
    const void* target;
    std::function<T()> get;
    std::function<void(const T&)> set;
};

// Sets a property of each target as one step named after it: each takes
// the value that change makes of its own. A step where no value changes
// is not made.
template <class T>
void EditPropertyOfEach(TDesignDocument& document, const QString& name, const std::vector<TPropertyAccess<T>>& targets,
                        const std::function<T(const T& own)>& change, EditEffects effects, bool typing = false)
{
    std::vector<typename TPropertyCommand<T>::Part> parts;
    bool changes = !std::equality_comparable<T>;
    for (const TPropertyAccess<T>& access : targets) {
        T before = access.get();
        T after = change(before);
        if constexpr (std::equality_comparable<T>)
            if (!(before == after)) changes = true;
        parts.push_back({access.target, std::move(before), std::move(after), access.set});
    }
    if (parts.empty() || !changes) return;
    document.Push(new TPropertyCommand<T>(document, name, std::move(parts), effects, typing));
}

// Sets a property of one target (or the project) as one step named after
// it; target tells which, so typing merges only within one row of one
// target. A value equal to the one held makes no step.
template <class T>
void EditProperty(TDesignDocument& document, const QString& name, const void* target, const std::function<T()>& get,
                  std::function<void(const T&)> set, const T& value, EditEffects effects, bool typing = false)
{
    EditPropertyOfEach<T>(document, name, {{target, get, std::move(set)}}, [&value](const T&) { return value; },
                          effects, typing);
}
