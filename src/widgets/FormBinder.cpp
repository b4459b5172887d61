// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FormBinder.h"
#include "image/FormStore.h"
#include "widgets/FilteredLineEdit.h"
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

namespace kt913 {

FormBinder::FormBinder(FormStore &store, std::function<Language()> language, QWidget *window)
    : QObject(window), m_store(store), m_language(std::move(language)), m_window(window)
{
    connect(&m_store, &FormStore::changed, this, [this](const QString &name) {
        if (m_widgets.contains(name))
            showValue(name);
    });
}

QWidget *FormBinder::widget(const QString &name, QWidget *parent)
{
    if (QWidget *w = m_widgets.value(name))
        return w;
    const ControlDescription *c = m_store.description().find(name);
    if (!c)
        return nullptr;
    if (!parent)
        parent = m_window;
    QWidget *w = nullptr;
    switch (c->kind) {
    case ControlKind::List:
    case ControlKind::EditableList: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(c->kind == ControlKind::EditableList);
        if (combo->isEditable()) {
            combo->setInsertPolicy(QComboBox::NoInsert); // typed text is a value, not a new item
        }
        combo->addItems(c->itemsZh);
        combo->setMaxVisibleItems(16);
        w = combo;
        break;
    }
    case ControlKind::Text:
        w = new FilteredLineEdit(nullptr, c->maxLength, parent);
        break;
    case ControlKind::Check:
        w = new QCheckBox(c->captionZh, parent);
        break;
    case ControlKind::Slider: {
        auto *slider = new QSlider(Qt::Horizontal, parent);
        slider->setRange(c->minimum, c->maximum);
        slider->setSingleStep(c->singleStep);
        slider->setPageStep(c->pageStep);
        if (c->tickInterval > 0) {
            slider->setTickInterval(c->tickInterval);
            slider->setTickPosition(QSlider::TicksBelow);
        }
        w = slider;
        break;
    }
    }
    w->setObjectName(name);
    if (!c->label.isEmpty() && c->kind != ControlKind::Check) {
        auto *label = new QLabel(c->captionZh, parent);
        label->setObjectName(c->label);
        label->setBuddy(w);
        label->setVisible(!c->hidden);
        m_labels.insert(name, label);
    }
    if (c->kind == ControlKind::Slider && !c->valueLabel.isEmpty()) {
        auto *value = new QLabel(parent);
        value->setObjectName(c->valueLabel);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        w->setProperty("valueLabel", QVariant::fromValue(static_cast<QObject *>(value)));
    }
    w->setEnabled(c->enabled);
    if (c->hidden)
        w->hide();
    m_widgets.insert(name, w);
    bind(*c, w);
    showValue(name);
    return w;
}

QLabel *FormBinder::label(const QString &name) const
{
    return m_labels.value(name);
}

void FormBinder::createAll(QWidget *parent)
{
    for (const ControlDescription &c : m_store.description().controls)
        widget(c.name, parent);
}

void FormBinder::bind(const ControlDescription &c, QWidget *w)
{
    const QString name = c.name;
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        connect(combo, &QComboBox::activated, this, [this, name](int i) { m_store.setIndex(name, i); });
        // Whatever the box comes to show is the value: typed text, and also the rest of an
        // item that the inline completion adds after the keys, which no edit signal tells.
        if (combo->isEditable())
            connect(combo->lineEdit(), &QLineEdit::textChanged, this, [this, name, combo](const QString &text) {
                if (m_showing)
                    return;
                // The list's own changes (an item picked, matched on Enter, renamed for the
                // language) keep its index whatever language the text is in. An item typed in
                // other letter case is that item, as the list itself decides when it is left,
                // and the box takes the item's spelling at once.
                const int current = combo->currentIndex();
                const int item = current >= 0 && combo->itemText(current) == text
                                     ? current
                                     : combo->findText(text, Qt::MatchFixedString);
                if (item < 0) {
                    m_store.setText(name, text, m_language());
                } else {
                    m_store.setIndex(name, item);
                    if (text != combo->itemText(item))
                        showValue(name);
                }
            });
    } else if (auto *box = qobject_cast<FilteredLineEdit *>(w)) {
        connect(box, &QLineEdit::textEdited, this, [this, name, box] {
            // The box's own filter has run first (it was connected first).
            QString text = box->text();
            if (const Correction live = m_whileTyping.value(name)) {
                const QString corrected = live(text);
                if (corrected != text) {
                    box->setProgramText(corrected);
                    text = corrected;
                }
            }
            m_store.setText(name, text, m_language());
        });
        connect(box, &QLineEdit::returnPressed, this, [this, name] {
            leave(name);
            emit enterPressed(name);
        });
        box->installEventFilter(this);
    } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
        connect(check, &QCheckBox::toggled, this, [this, name](bool on) {
            if (!m_showing)
                m_store.setChecked(name, on);
        });
    } else if (auto *slider = qobject_cast<QSlider *>(w)) {
        connect(slider, &QSlider::valueChanged, this, [this, name](int v) {
            if (m_showing)
                return;
            if (const auto moved = m_sliderMoved.value(name))
                moved(v);
            else
                m_store.setValue(name, v);
        });
    }
}

void FormBinder::showValue(const QString &name)
{
    QWidget *w = m_widgets.value(name);
    if (!w)
        return;
    m_showing = true;
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        const QSignalBlocker quiet(combo);
        const int i = m_store.index(name);
        if (i >= 0 && i < combo->count()) {
            combo->setCurrentIndex(i);
        } else if (combo->isEditable()) {
            // Leaving an item empties the box on the way: someone typing keeps the cursor.
            QLineEdit *edit = combo->lineEdit();
            const QString text = m_store.text(name, m_language());
            const int cursor = edit->text() == text ? edit->cursorPosition() : -1;
            if (combo->currentIndex() != -1)
                combo->setCurrentIndex(-1);
            if (edit->text() != text) {
                edit->setText(text);
                if (cursor >= 0)
                    edit->setCursorPosition(cursor);
            }
        } else {
            combo->setCurrentIndex(-1);
        }
    } else if (auto *box = qobject_cast<FilteredLineEdit *>(w)) {
        const QString text = m_store.text(name, m_language());
        if (box->text() != text)
            box->setProgramText(text);
    } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
        check->setChecked(m_store.isChecked(name));
    } else if (auto *slider = qobject_cast<QSlider *>(w)) {
        slider->setValue(m_store.value(name));
        if (auto *value = qobject_cast<QLabel *>(slider->property("valueLabel").value<QObject *>()))
            value->setText(QString::number(m_store.value(name)));
    }
    m_showing = false;
}

void FormBinder::setKeyFilter(const QString &name, KeyFilter filter, int maxLength)
{
    auto *box = qobject_cast<FilteredLineEdit *>(widget(name));
    if (!box)
        return;
    const ControlDescription &c = m_store.control(name);
    box->setFilter(filter, maxLength > 0 ? maxLength : c.maxLength);
}

void FormBinder::setWhileTyping(const QString &name, Correction correction)
{
    m_whileTyping.insert(name, std::move(correction));
}

void FormBinder::setOnLeave(const QString &name, Correction correction)
{
    m_onLeave.insert(name, std::move(correction));
}

void FormBinder::setSliderMoved(const QString &name, std::function<void(int)> moved)
{
    m_sliderMoved.insert(name, std::move(moved));
}

void FormBinder::leave(const QString &name)
{
    if (const Correction correction = m_onLeave.value(name)) {
        const QString before = m_store.text(name, m_language());
        m_store.setText(name, correction(before), m_language());
    }
}

bool FormBinder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // A context menu or another application coming forward is no leaving.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            const QString name = watched->objectName();
            leave(name);
            emit left(name);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kt913
