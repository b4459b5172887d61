// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The headless value store of one window: every control of its description holds its
// value here, keyed by control name. The codecs read and write it by name; the widgets
// are views bound to it (they listen to changed() and write user edits back).
#include "ControlDescription.h"
#include "Language.h"
#include <QHash>
#include <QObject>

namespace kt913 {

class FormStore : public QObject {
    Q_OBJECT
public:
    explicit FormStore(FormDescription description, QObject *parent = nullptr);

    const FormDescription &description() const { return m_desc; }
    bool contains(const QString &name) const { return m_index.contains(name); }
    // Description of a control. A name the window does not have is a fault in the
    // caller: it is reported (qCritical) in every build, and every operation on it
    // changes nothing (getters give an empty description, -1, "", false or 0).
    const ControlDescription &control(const QString &name) const;

    // Lists. setIndex rejects an index the list does not have, exactly as a list control
    // does, and then leaves the value as it was (-1 is accepted by editable lists only).
    int index(const QString &name) const;
    bool setIndex(const QString &name, int index);

    // The text a control shows: a list's selected item (or the typed text of an editable
    // list with no selection), a text box's text, a slider's position.
    QString text(const QString &name, Language lang) const;
    // Text boxes take the text as it is. Editable lists select the item that equals the
    // text, else keep the text with index -1. Plain lists select a matching item, else
    // stay as they are.
    void setText(const QString &name, const QString &text, Language lang);

    bool isChecked(const QString &name) const;
    void setChecked(const QString &name, bool checked);

    // Sliders: a position outside the slider's range is rejected.
    int value(const QString &name) const;
    bool setValue(const QString &name, int value);

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
    int slot(const QString &name) const; // -1, reported, for an unknown name
    Entry *entry(const QString &name);
    const Entry *entry(const QString &name) const;
    void assign(int slot, const QString &value);

    FormDescription m_desc;
    QHash<QString, int> m_index;
    std::vector<Entry> m_entries;
};

} // namespace kt913
