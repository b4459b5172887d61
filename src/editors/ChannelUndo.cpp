// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/ChannelUndo.h"
#include <QUndoCommand>
#include <QUndoStack>
#include <utility>

namespace kt913 {

namespace {

// The steps kept: more than any editing session needs, few enough to stay small (a
// step holds at most two rows per channel).
constexpr int kUndoLimit = 200;

// The optional features' values a band change writes (its VFO defaults), as they were,
// so that an undone band change leaves the user's own VFO settings.
struct FormValue {
    QString name;
    ControlKind kind;
    int index;
    QString text;
};
using FormValues = QList<FormValue>;

FormValues formValues(const FormStore &store, Language lang)
{
    FormValues values;
    for (const ControlDescription &c : store.description().controls)
        if (c.kind == ControlKind::List || c.kind == ControlKind::EditableList || c.kind == ControlKind::Text)
            values << FormValue{c.name, c.kind, store.index(c.name), store.text(c.name, lang)};
    return values;
}

void restore(FormStore &store, const FormValues &values, Language lang)
{
    for (const FormValue &v : values) {
        if (v.kind == ControlKind::Text || (v.kind == ControlKind::EditableList && v.index < 0))
            store.setText(v.name, v.text, lang);
        else
            store.setIndex(v.name, v.index);
    }
}

class Replay {
public:
    explicit Replay(bool &flag) : m_flag(flag), m_was(flag) { m_flag = true; }
    ~Replay() { m_flag = m_was; }

private:
    bool &m_flag;
    bool m_was;
};

} // namespace

// Rows of several channels, put in or taken back together.
class ChannelEditsCommand : public QUndoCommand {
public:
    ChannelEditsCommand(ChannelUndo &owner, const QString &text, QList<ChannelEdit> edits, bool applied)
        : QUndoCommand(text), m_owner(owner), m_edits(std::move(edits)), m_language(owner.m_model.language()),
          m_applied(applied)
    {
    }

    void redo() override
    {
        // The first redo is the push: the edits are new, or already in the tables.
        const bool replay = !std::exchange(m_firstRedo, false);
        if (!replay && m_applied)
            return;
        put(true, replay);
    }
    void undo() override { put(false, true); }

protected:
    // `show`: the step is replayed from the history, and the editor shows where.
    void put(bool forward, bool show)
    {
        {
            const Replay replay(m_owner.m_replaying);
            ChannelTables &t = m_owner.m_model.channels();
            const ChannelTables::Batch batch(t);
            if (forward)
                for (const ChannelEdit &e : m_edits)
                    t.apply(e);
            else
                for (auto e = m_edits.crbegin(); e != m_edits.crend(); ++e)
                    t.revert(*e);
            // The rows carry the texts of the language they were edited in; after a
            // switch they are re-texted as the switch re-texted everything else.
            if (m_owner.m_model.language() != m_language)
                t.RefreshChannelTexts(m_owner.m_model.language());
        }
        if (!show)
            return;
        int first = map::kChannelCount;
        for (const ChannelEdit &e : m_edits)
            first = qMin(first, e.channel);
        emit m_owner.replayed(first);
    }

    ChannelUndo &m_owner;
    QList<ChannelEdit> m_edits;
    Language m_language;
    bool m_applied;
    bool m_firstRedo = true;
};

// A band change that cleared the channel list. The band goes back quietly (as decoding
// selects a band), so the question is not asked again and nothing is cleared twice.
class BandChangeCommand : public ChannelEditsCommand {
public:
    using Band = RadioModel::BandChoice;
    BandChangeCommand(ChannelUndo &owner, QList<ChannelEdit> cleared, Band before, Band after, FormValues options)
        : ChannelEditsCommand(owner, QStringLiteral("band"), std::move(cleared), true), m_before(before),
          m_after(after), m_options(std::move(options))
    {
    }

    void redo() override
    {
        if (!std::exchange(m_firstRedo, false)) {
            select(m_after);
            put(true, true);
        }
    }
    void undo() override
    {
        put(false, true);
        select(m_before);
        const Replay replay(m_owner.m_replaying);
        restore(m_owner.m_model.options(), m_options, m_owner.m_model.language());
    }

private:
    void select(const Band &b)
    {
        const Replay replay(m_owner.m_replaying);
        m_owner.m_model.restoreBandChoice(b);
    }

    Band m_before, m_after;
    FormValues m_options; // before the change, those it changed
};

ChannelUndo::ChannelUndo(RadioModel &model, QObject *parent)
    : QObject(parent), m_model(model), m_stack(new QUndoStack(this))
{
    m_stack->setObjectName(QStringLiteral("ChannelUndoStack"));
    m_stack->setUndoLimit(kUndoLimit);
    connect(&m_model, &RadioModel::dataReplaced, m_stack, &QUndoStack::clear);
}

ChannelUndo::~ChannelUndo() = default;

namespace {
QList<ChannelEdit> changing(const QList<ChannelEdit> &edits)
{
    QList<ChannelEdit> kept;
    for (const ChannelEdit &e : edits)
        if (e.changes() && e.channel >= 1 && e.channel <= map::kChannelCount)
            kept << e;
    return kept;
}
} // namespace

void ChannelUndo::applyEdits(const QString &text, const QList<ChannelEdit> &edits)
{
    const QList<ChannelEdit> kept = changing(edits);
    if (!kept.isEmpty())
        m_stack->push(new ChannelEditsCommand(*this, text, kept, false));
}

void ChannelUndo::recordApplied(const QString &text, const QList<ChannelEdit> &edits)
{
    const QList<ChannelEdit> kept = changing(edits);
    if (!kept.isEmpty() && !m_replaying)
        m_stack->push(new ChannelEditsCommand(*this, text, kept, true));
}

void ChannelUndo::changeBandSelection(int index, const RadioModel::BandConfirm &confirm)
{
    // The band list follows an undone band change by itself, and that comes back here.
    if (m_replaying) {
        m_model.changeBandSelection(index, nullptr);
        return;
    }
    const RadioModel::BandChoice before = m_model.bandChoice();
    std::array<ChannelRow, map::kChannelCount> rows;
    for (int n = 1; n <= map::kChannelCount; ++n)
        rows[n - 1] = m_model.channels().row(n);
    const FormValues options = formValues(m_model.options(), m_model.language());
    m_model.changeBandSelection(index, confirm);
    const FormValues optionsAfter = formValues(m_model.options(), m_model.language());
    FormValues written;
    for (qsizetype k = 0; k < options.size(); ++k)
        if (options[k].index != optionsAfter[k].index || options[k].text != optionsAfter[k].text)
            written << options[k];
    QList<ChannelEdit> cleared;
    for (int n = 1; n <= map::kChannelCount; ++n) {
        const ChannelEdit e{n, rows[n - 1], m_model.channels().row(n)};
        if (e.changes())
            cleared << e;
    }
    if (!cleared.isEmpty())
        m_stack->push(new BandChangeCommand(*this, cleared, before,
                                            m_model.bandChoice(), written));
}

} // namespace kt913
