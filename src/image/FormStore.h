// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The headless value store of one window: every control of its description holds its
// value here, in one slot each. The codecs reach the slots through the window's control
// constants, the widgets by name; the widgets are views bound to the store (they listen
// to changed() and write user edits back).
#include "ControlDescription.h"
#include "Language.h"
#include <QHash>
#include <QObject>
#include <vector>

namespace kt913 {

class FormStore : public QObject {
    Q_OBJECT
public:
    explicit FormStore(FormDescription description, QObject *parent = nullptr);

    const FormDescription &description() const { return m_desc; }
    bool contains(const QString &name) const { return m_index.contains(name); }

    // Every operation comes twice: by a constant of the window's list (the codecs, the
    // rules and the windows; a misspelt one does not compile) and by name (what is
    // driven by data: the widgets, the command line's JSON, the comparison). A name the
    // window does not have, or a constant of another window, is a fault in the caller:
    // it is reported (qCritical) in every build, and every operation on it changes
    // nothing (getters give an empty description, -1, "", false or 0).
    const ControlDescription &control(const QString &name) const { return controlAt(slot(name)); }
    const ControlDescription &control(ControlKey key) const { return controlAt(slot(key)); }

    // Lists. setIndex rejects an index the list does not have, exactly as a list control
    // does, and then leaves the value as it was (-1 is accepted by editable lists only).
    int index(const QString &name) const { return indexAt(slot(name)); }
    int index(ControlKey key) const { return indexAt(slot(key)); }
    bool setIndex(const QString &name, int index) { return setIndexAt(slot(name), index); }
    bool setIndex(ControlKey key, int index) { return setIndexAt(slot(key), index); }

    // The text a control shows: a list's selected item (or the typed text of an editable
    // list with no selection), a text box's text, a slider's position.
    QString text(const QString &name, Language lang) const { return textAt(slot(name), lang); }
    QString text(ControlKey key, Language lang) const { return textAt(slot(key), lang); }
    // Text boxes take the text as it is. Editable lists select the item that equals the
    // text, else keep the text with index -1. Plain lists select a matching item, else
    // stay as they are.
    void setText(const QString &name, const QString &text, Language lang) { setTextAt(slot(name), text, lang); }
    void setText(ControlKey key, const QString &text, Language lang) { setTextAt(slot(key), text, lang); }

    bool isChecked(const QString &name) const { return isCheckedAt(slot(name)); }
    bool isChecked(ControlKey key) const { return isCheckedAt(slot(key)); }
    void setChecked(const QString &name, bool checked) { setCheckedAt(slot(name), checked); }
    void setChecked(ControlKey key, bool checked) { setCheckedAt(slot(key), checked); }

    // Sliders: a position outside the slider's range is rejected.
    int value(const QString &name) const { return valueAt(slot(name)); }
    int value(ControlKey key) const { return valueAt(slot(key)); }
    bool setValue(const QString &name, int value) { return setValueAt(slot(name), value); }
    bool setValue(ControlKey key, int value) { return setValueAt(slot(key), value); }

    // Puts every control that has a "New" value to it (the window's StartForm).
    void startForm();

    // Takes every control's value from `other`, a store of the same window, announcing
    // each that changes: a model put back to a known state without building it again.
    void takeValues(const FormStore &other);

signals:
    void changed(const QString &name);

private:
    struct Entry {
        int index = -1;
        QString text;
        bool checked = false;
        int value = 0;
    };
    // The slot of a control; -1, reported, for one the window does not have.
    int slot(const QString &name) const;
    int slot(ControlKey key) const
    {
        if (key.form == m_form && key.id >= 0 && key.id < int(m_keySlots.size()) && m_keySlots[size_t(key.id)] >= 0)
            return m_keySlots[size_t(key.id)];
        return unknown(key);
    }
    int unknown(ControlKey key) const;
    void resolveKeys();

    const ControlDescription &controlAt(int slot) const;
    int indexAt(int slot) const;
    bool setIndexAt(int slot, int index);
    QString textAt(int slot, Language lang) const;
    void setTextAt(int slot, const QString &text, Language lang);
    bool isCheckedAt(int slot) const;
    void setCheckedAt(int slot, bool checked);
    int valueAt(int slot) const;
    bool setValueAt(int slot, int value);
    void assign(int slot, const QString &value);

    FormDescription m_desc;
    QHash<QString, int> m_index;
    std::vector<Entry> m_entries;
    FormId m_form = FormId::None;
    std::vector<int> m_keySlots; // by constant id: the slot, -1 when the window lacks it
};

} // namespace kt913
