// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/CaptionTable.h"
#include "widgets/WindowScope.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace kt913 {

namespace {

bool setCaption(QObject *control, const QString &text)
{
    if (auto *menu = qobject_cast<QMenu *>(control)) {
        menu->setTitle(text);
        return true;
    }
    if (auto *action = qobject_cast<QAction *>(control)) {
        action->setText(text);
        return true;
    }
    if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(text);
        return true;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        button->setText(text);
        return true;
    }
    if (auto *group = qobject_cast<QGroupBox *>(control)) {
        group->setTitle(text);
        return true;
    }
    if (auto *widget = qobject_cast<QWidget *>(control)) {
        widget->setWindowTitle(text);
        return true;
    }
    return false;
}

void setSpoken(QWidget *widget, bool name, const QString &text)
{
    name ? widget->setAccessibleName(text) : widget->setAccessibleDescription(text);
}

// A label names its buddy for a screen reader, but the text box inside a list that can
// be typed into is a control of its own, which no label has as its buddy: it takes its
// list's caption. Runs after the captions, so the name is in the language just set.
void nameTypedLists(QWidget *window)
{
    for (QLabel *label : window->findChildren<QLabel *>()) {
        auto *list = qobject_cast<QComboBox *>(label->buddy());
        if (list && list->lineEdit())
            list->lineEdit()->setAccessibleName(QString(label->text()).remove(QRegularExpression(QStringLiteral("&(?!&)"))));
    }
}

// An action is spoken through the buttons that show it (a toolbar's).
void setSpoken(QAction *action, bool name, const QString &text)
{
    for (QObject *o : action->associatedObjects())
        if (auto *button = qobject_cast<QAbstractButton *>(o))
            setSpoken(button, name, text);
}

} // namespace

bool applyCaption(QObject *control, CaptionProperty property, int index, const QString &text)
{
    if (!control)
        return false;
    switch (property) {
    case CaptionProperty::Caption:
        return setCaption(control, text);
    case CaptionProperty::ToolTip:
        // A toolbar button takes its tooltip from its action whenever the action
        // changes: the text belongs there, or the next enabling would undo it.
        if (auto *button = qobject_cast<QToolButton *>(control); button && button->defaultAction())
            control = button->defaultAction();
        if (auto *action = qobject_cast<QAction *>(control)) {
            action->setToolTip(text);
            // A toolbar button shows only an icon: its tooltip is all the text it has,
            // so it is its name too.
            setSpoken(action, true, text);
            return true;
        }
        if (auto *widget = qobject_cast<QWidget *>(control)) {
            widget->setToolTip(text);
            return true;
        }
        return false;
    case CaptionProperty::Item:
        if (auto *combo = qobject_cast<QComboBox *>(control)) {
            if (index == combo->count())
                combo->addItem(text);
            else if (index >= 0 && index < combo->count())
                combo->setItemText(index, text);
            else
                return false;
            return true;
        }
        return false;
    case CaptionProperty::Tab:
        if (auto *tabs = qobject_cast<QTabWidget *>(control)) {
            tabs->setTabText(index, text);
            return index >= 0 && index < tabs->count();
        }
        if (auto *bar = qobject_cast<QTabBar *>(control)) {
            bar->setTabText(index, text);
            return index >= 0 && index < bar->count();
        }
        return false;
    case CaptionProperty::Header:
        if (auto *view = qobject_cast<QAbstractItemView *>(control)) {
            return view->model() && view->model()->setHeaderData(index, Qt::Horizontal, text);
        }
        return false;
    case CaptionProperty::StatusPanel:
        if (auto *bar = qobject_cast<QStatusBar *>(control)) {
            auto *panel = bar->findChild<QLabel *>(QStringLiteral("Panel%1").arg(index));
            if (!panel)
                return false;
            panel->setText(text);
            return true;
        }
        return false;
    case CaptionProperty::AccessibleName:
    case CaptionProperty::AccessibleDescription: {
        const bool name = property == CaptionProperty::AccessibleName;
        if (auto *action = qobject_cast<QAction *>(control)) {
            setSpoken(action, name, text);
            return true;
        }
        // A tab widget is met both as itself and as its tab bar.
        if (auto *tabs = qobject_cast<QTabWidget *>(control))
            setSpoken(tabs->tabBar(), name, text);
        if (auto *widget = qobject_cast<QWidget *>(control)) {
            setSpoken(widget, name, text);
            return true;
        }
        return false;
    }
    }
    return false;
}

QString rowText(const char *window, const CaptionRow &row, Language lang)
{
    // A translation starts from the English text; where the English is left alone, so is it.
    const char *text = lang == Language::Chinese ? row.zh : row.en;
    if (!text)
        return QString();
    if (!*text)
        return QStringLiteral(""); // an empty text is set, not left alone
    return lang == Language::Translated ? translated(window, text) : QString::fromUtf8(text);
}

int applyCaptionTable(QWidget *window, const CaptionTable &table, Language lang)
{
    int missing = 0;
    for (const CaptionRow &row : table.rows) {
        const QString text = rowText(table.window, row, lang);
        QObject *control = window;
        if (row.control && *row.control)
            control = findControl(window, QString::fromLatin1(row.control));
        if (!control) {
            ++missing;
            continue;
        }
        if (text.isNull())
            continue;
        if (!applyCaption(control, row.property, row.index, text))
            ++missing;
    }
    if (table.extra)
        table.extra(window, lang);
    nameTypedLists(window);
    return missing;
}

void ApplyLanguage(Language lang, const std::vector<const CaptionTable *> &tables, const WindowResolver &resolve)
{
    for (const CaptionTable *table : tables) {
        if (QWidget *window = resolve(QString::fromLatin1(table->window)))
            applyCaptionTable(window, *table, lang);
    }
}

} // namespace kt913
