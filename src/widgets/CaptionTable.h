// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Caption tables: every language-dependent text of a window, Chinese and English side by
// side, held as data. ApplyLanguage walks the tables in order and sets each text on the
// control of that objectName. A window adds its texts with one table (a data file that
// returns a CaptionTable) and one line in the list of tables (CaptionRegistry.cpp).
#include "image/Language.h"
#include <QString>
#include <functional>
#include <vector>

class QObject;
class QWidget;

namespace kt913 {

enum class CaptionProperty {
    Caption,     // window title, label/button/check box text, group box title, menu or action text
    ToolTip,
    Item,        // drop-down list item `index` (index == item count appends it)
    Tab,         // tab `index` of a tab widget or tab bar
    Header,      // horizontal header `index` of an item view
    StatusPanel, // status bar panel `index` (1-based, a QLabel named "Panel<index>")
    // What a screen reader calls a control that has no label of its own (a grid, an
    // in-cell editor, a slider among same-named rows), and what it adds where the name
    // alone does not tell what the control is for. A tab widget passes them to its tab
    // bar, an action to its toolbar button.
    AccessibleName,
    AccessibleDescription,
};

struct CaptionRow {
    const char *control;      // objectName of the control; "" for the window itself
    CaptionProperty property;
    int index;                // for Item/Tab/Header/StatusPanel, else -1
    const char *zh;           // UTF-8; nullptr leaves the text alone in Chinese
    const char *en;           // nullptr leaves the text alone in English
};

struct CaptionTable {
    const char *window;       // objectName of the window ("MainWindow")
    std::vector<CaptionRow> rows;
    // Texts that are computed rather than listed (counted lists, positions that depend on
    // the language). Runs after the rows.
    std::function<void(QWidget *window, Language lang)> extra;
};

// Sets one text; false when the control is missing or cannot carry that property.
bool applyCaption(QObject *control, CaptionProperty property, int index, const QString &text);
// Sets every row of `table` on `window` for `lang`. Returns the number of rows whose
// control was not found (zero in a correct table; tests check that).
int applyCaptionTable(QWidget *window, const CaptionTable &table, Language lang);

using WindowResolver = std::function<QWidget *(const QString &windowName)>;

// Visits the tables in order and applies each to the window the resolver gives (a window
// that does not exist at the moment is skipped).
void ApplyLanguage(Language lang, const std::vector<const CaptionTable *> &tables, const WindowResolver &resolve);

} // namespace kt913
