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

const ControlDescription &FormStore::control(const QString &name) const
{
    const int i = slot(name);
    static const ControlDescription none;
    return i < 0 ? none : m_desc.controls[i];
}

FormStore::Entry *FormStore::entry(const QString &name)
{
    const int i = slot(name);
    return i < 0 ? nullptr : &m_entries[i];
}

const FormStore::Entry *FormStore::entry(const QString &name) const
{
    return const_cast<FormStore *>(this)->entry(name);
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

int FormStore::index(const QString &name) const
{
    const Entry *e = entry(name);
    return e ? e->index : -1;
}

bool FormStore::setIndex(const QString &name, int index)
{
    Entry *e = entry(name);
    if (!e)
        return false;
    const ControlDescription &c = control(name);
    const bool editable = c.kind == ControlKind::EditableList;
    if (index < (editable ? -1 : 0) || index >= c.itemCount())
        return false;
    if (e->index == index && (index >= 0 || e->text.isEmpty()))
        return true;
    e->index = index;
    if (index >= 0 || editable)
        e->text.clear();
    emit changed(name);
    return true;
}

QString FormStore::text(const QString &name, Language lang) const
{
    const Entry *e = entry(name);
    if (!e)
        return QString();
    const ControlDescription &c = control(name);
    switch (c.kind) {
    case ControlKind::List:
    case ControlKind::EditableList: {
        const QStringList items = m_desc.items(c, lang);
        if (e->index >= 0 && e->index < items.size())
            return items[e->index];
        return e->text;
    }
    case ControlKind::Text: return e->text;
    case ControlKind::Check: return e->checked ? QStringLiteral("1") : QStringLiteral("0");
    case ControlKind::Slider: return QString::number(e->value);
    }
    return QString();
}

void FormStore::setText(const QString &name, const QString &text, Language lang)
{
    Entry *e = entry(name);
    if (!e)
        return;
    const ControlDescription &c = control(name);
    switch (c.kind) {
    case ControlKind::Text:
        if (e->text != text) {
            e->text = text;
            emit changed(name);
        }
        return;
    case ControlKind::List:
    case ControlKind::EditableList: {
        const int i = int(m_desc.items(c, lang).indexOf(text));
        if (i >= 0) {
            setIndex(name, i);
        } else if (c.kind == ControlKind::EditableList && (e->index != -1 || e->text != text)) {
            e->index = -1;
            e->text = text;
            emit changed(name);
        }
        return;
    }
    case ControlKind::Check: setChecked(name, text == QLatin1String("1")); return;
    case ControlKind::Slider: setValue(name, text.toInt()); return;
    }
}

bool FormStore::isChecked(const QString &name) const
{
    const Entry *e = entry(name);
    return e && e->checked;
}

void FormStore::setChecked(const QString &name, bool checked)
{
    Entry *e = entry(name);
    if (e && e->checked != checked) {
        e->checked = checked;
        emit changed(name);
    }
}

int FormStore::value(const QString &name) const
{
    const Entry *e = entry(name);
    return e ? e->value : 0;
}

bool FormStore::setValue(const QString &name, int value)
{
    Entry *e = entry(name);
    if (!e)
        return false;
    const ControlDescription &c = control(name);
    if (value < c.minimum || value > c.maximum)
        return false;
    if (e->value != value) {
        e->value = value;
        emit changed(name);
    }
    return true;
}

void FormStore::startForm()
{
    for (const ControlDescription &c : m_desc.controls) {
        if (c.newValue.isNull())
            continue;
        switch (c.kind) {
        case ControlKind::List:
        case ControlKind::EditableList: setIndex(c.name, c.newValue.toInt()); break;
        case ControlKind::Text: setText(c.name, c.newValue, Language::Chinese); break;
        case ControlKind::Check: setChecked(c.name, c.newValue == QLatin1String("1")); break;
        case ControlKind::Slider: setValue(c.name, c.newValue.toInt()); break;
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
