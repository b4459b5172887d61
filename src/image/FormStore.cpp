// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormStore.h"
#include <QLoggingCategory>

namespace kt913 {

namespace {
Q_LOGGING_CATEGORY(lcStore, "kt913.store")
}

FormStore::FormStore(FormDescription description, QObject *parent)
    : QObject(parent), m_desc(std::move(description))
{
    m_entries.resize(m_desc.controls.size());
    for (int i = 0; i < int(m_desc.controls.size()); ++i) {
        const ControlDescription &c = m_desc.controls[i];
        Q_ASSERT_X(!m_index.contains(c.name), "FormStore", "control names must be unique");
        m_index.insert(c.name, i);
        const QString &start = c.initialValue.isNull() ? c.newValue : c.initialValue;
        if (!start.isNull())
            assign(i, start);
    }
    resolveKeys();
}

void FormStore::resolveKeys()
{
    const ControlKeyTable *table = m_desc.keys;
    if (!table)
        return;
    m_form = table->form;
    m_keySlots.assign(size_t(table->keyCount), -1);
    for (int k = 0; k < table->spanCount; ++k) {
        const ControlSpan &span = table->spans[k];
        for (int e = 0; e < qMax(span.size, 1); ++e) {
            const ControlKey key{m_form, span.first + e, span.name, span.size ? e : -1};
            const int i = m_index.value(key.objectName(), -1);
            // A constant of the window's list that its description lacks: every use of
            // it is refused, and the list and the description must be brought together.
            if (i < 0)
                qCCritical(lcStore, "%s has no control named %s", qPrintable(m_desc.name), qPrintable(key.objectName()));
            m_keySlots[size_t(key.id)] = i;
        }
    }
}

int FormStore::slot(const QString &name) const
{
    const auto it = m_index.constFind(name);
    if (it != m_index.constEnd())
        return *it;
    // A name the window does not have is a fault in the caller. Say so in every build,
    // and touch nothing: falling back to some other control would change a value the
    // user never asked to change.
    qCCritical(lcStore, "%s has no control named %s", qPrintable(m_desc.name), qPrintable(name));
    return -1;
}

int FormStore::unknown(ControlKey key) const
{
    qCCritical(lcStore, "%s has no control named %s", qPrintable(m_desc.name), qPrintable(key.objectName()));
    return -1;
}

const ControlDescription &FormStore::controlAt(int slot) const
{
    static const ControlDescription none;
    return slot < 0 ? none : m_desc.controls[size_t(slot)];
}

void FormStore::assign(int slot, const QString &value)
{
    const ControlDescription &c = m_desc.controls[slot];
    Entry &e = m_entries[slot];
    switch (c.kind) {
    case ControlKind::List:
    case ControlKind::EditableList: e.index = value.toInt(); break;
    case ControlKind::Text: e.text = value; break;
    case ControlKind::Check: e.checked = value == QLatin1String("1"); break;
    case ControlKind::Slider: e.value = value.toInt(); break;
    }
}

int FormStore::indexAt(int slot) const
{
    return slot < 0 ? -1 : m_entries[size_t(slot)].index;
}

bool FormStore::setIndexAt(int slot, int index)
{
    if (slot < 0)
        return false;
    Entry &e = m_entries[size_t(slot)];
    const ControlDescription &c = m_desc.controls[size_t(slot)];
    const bool editable = c.kind == ControlKind::EditableList;
    if (index < (editable ? -1 : 0) || index >= c.itemCount())
        return false;
    if (e.index == index && (index >= 0 || e.text.isEmpty()))
        return true;
    e.index = index;
    if (index >= 0 || editable)
        e.text.clear();
    emit changed(c.name);
    return true;
}

QString FormStore::textAt(int slot, Language lang) const
{
    if (slot < 0)
        return QString();
    const Entry &e = m_entries[size_t(slot)];
    const ControlDescription &c = m_desc.controls[size_t(slot)];
    switch (c.kind) {
    case ControlKind::List:
    case ControlKind::EditableList: {
        const QStringList items = m_desc.items(c, lang);
        if (e.index >= 0 && e.index < items.size())
            return items[e.index];
        return e.text;
    }
    case ControlKind::Text: return e.text;
    case ControlKind::Check: return e.checked ? QStringLiteral("1") : QStringLiteral("0");
    case ControlKind::Slider: return QString::number(e.value);
    }
    return QString();
}

void FormStore::setTextAt(int slot, const QString &text, Language lang)
{
    if (slot < 0)
        return;
    Entry &e = m_entries[size_t(slot)];
    const ControlDescription &c = m_desc.controls[size_t(slot)];
    switch (c.kind) {
    case ControlKind::Text:
        if (e.text != text) {
            e.text = text;
            emit changed(c.name);
        }
        return;
    case ControlKind::List:
    case ControlKind::EditableList: {
        const int i = int(m_desc.items(c, lang).indexOf(text));
        if (i >= 0) {
            setIndexAt(slot, i);
        } else if (c.kind == ControlKind::EditableList && (e.index != -1 || e.text != text)) {
            e.index = -1;
            e.text = text;
            emit changed(c.name);
        }
        return;
    }
    case ControlKind::Check: setCheckedAt(slot, text == QLatin1String("1")); return;
    case ControlKind::Slider: setValueAt(slot, text.toInt()); return;
    }
}

bool FormStore::isCheckedAt(int slot) const
{
    return slot >= 0 && m_entries[size_t(slot)].checked;
}

void FormStore::setCheckedAt(int slot, bool checked)
{
    if (slot < 0)
        return;
    Entry &e = m_entries[size_t(slot)];
    if (e.checked != checked) {
        e.checked = checked;
        emit changed(m_desc.controls[size_t(slot)].name);
    }
}

int FormStore::valueAt(int slot) const
{
    return slot < 0 ? 0 : m_entries[size_t(slot)].value;
}

bool FormStore::setValueAt(int slot, int value)
{
    if (slot < 0)
        return false;
    Entry &e = m_entries[size_t(slot)];
    const ControlDescription &c = m_desc.controls[size_t(slot)];
    if (value < c.minimum || value > c.maximum)
        return false;
    if (e.value != value) {
        e.value = value;
        emit changed(c.name);
    }
    return true;
}

void FormStore::startForm()
{
    for (int i = 0; i < int(m_desc.controls.size()); ++i) {
        const ControlDescription &c = m_desc.controls[size_t(i)];
        if (c.newValue.isNull())
            continue;
        switch (c.kind) {
        case ControlKind::List:
        case ControlKind::EditableList: setIndexAt(i, c.newValue.toInt()); break;
        case ControlKind::Text: setTextAt(i, c.newValue, Language::Chinese); break;
        case ControlKind::Check: setCheckedAt(i, c.newValue == QLatin1String("1")); break;
        case ControlKind::Slider: setValueAt(i, c.newValue.toInt()); break;
        }
    }
}

void FormStore::takeValues(const FormStore &other)
{
    if (other.m_desc.name != m_desc.name || other.m_entries.size() != m_entries.size()) {
        qCritical("%s cannot take the values of %s", qPrintable(m_desc.name), qPrintable(other.m_desc.name));
        return;
    }
    for (size_t i = 0; i < m_entries.size(); ++i) {
        Entry &e = m_entries[i];
        const Entry &o = other.m_entries[i];
        if (e.index == o.index && e.text == o.text && e.checked == o.checked && e.value == o.value)
            continue;
        e = o;
        emit changed(m_desc.controls[i].name);
    }
}

} // namespace kt913
