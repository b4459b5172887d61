// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's controls described once, as data: the headless store, the codecs and the
// widgets are all built from these descriptions.
#include "Language.h"
#include "ControlKey.h"
#include <QString>
#include <QStringList>
#include <vector>

namespace kt913 {

enum class ControlKind {
    List,         // drop-down list; value = list index
    EditableList, // drop-down with an editable text; index -1 when the text is no item
    Text,         // text box; value = its text
    Check,        // check box
    Slider,       // slider; value = its position
};

struct ControlDescription {
    QString name;          // the control's name, also its objectName ("Combo36", "Slider1(4)")
    ControlKind kind = ControlKind::List;
    QString purpose;       // what the control holds, for people reading the table
    QStringList itemsZh;   // list items in Chinese
    QStringList itemsEn;   // list items in English (empty: same as Chinese)
    // Value that "New" gives. For lists an index (as text), for texts the text, for check
    // boxes "1"/"0", for sliders the position. Null: "New" leaves the control alone.
    QString newValue;
    // Value the control has when its window is first created (design time). Null: newValue.
    QString initialValue;
    int maxLength = 0;     // text boxes: most characters the box takes (0: no limit)
    int minimum = 0, maximum = 0; // sliders
    // Decoding a single-value byte: a byte below decodeLimit is taken as the value, any
    // other byte gives decodeDefault. 0: the control is not decoded that way.
    int decodeLimit = 0;
    int decodeDefault = 0;
    bool hidden = false;   // created invisible; never shown to the user
    bool enabled = true;   // false: created disabled (the debug sliders outside the debug mode)
    QString label;         // name of the label control captioning it, if any
    QString captionZh, captionEn; // caption of that label (or of a check box itself)
    QString parent;        // the frame or page it stands in (an ElementDescription); "" the window
    int column = 0;        // the column of its frame it stands in, left to right
    int singleStep = 1, pageStep = 5, tickInterval = 0; // sliders
    QString valueLabel;    // sliders: the label that shows the position as a number

    const QStringList &items(bool english) const { return english && !itemsEn.isEmpty() ? itemsEn : itemsZh; }
    int itemCount() const { return int(itemsZh.size()); }
};

// Everything else a window shows: tab strips, frames, option buttons, buttons, grids and
// message lines. Layouts, the caption tables and the report are built from these.
struct ElementDescription {
    enum Kind { Tabs, Frame, Option, Button, Grid, MessageLine };
    QString name;          // objectName ("TabStrip1", "Frame1(2)", "MSFGrid", "Command1")
    Kind kind = Frame;
    QStringList zh, en;    // the caption, or a strip's tab captions or a grid's column headers;
                           // en empty: the Chinese texts in both languages
    QString parent;        // the frame or page it stands in ("TabStrip1#0": page 1); "" the window
    bool hidden = false;   // created invisible; never shown to the user
    bool translated = true; // false: the caption tables leave it alone

    const QStringList &texts(bool english) const { return english && !en.isEmpty() ? en : zh; }
};

struct FormDescription {
    QString name;                  // "OptionalFeaturesEditor"
    QString captionZh, captionEn;  // window caption
    bool captionTranslated = true; // false: the same caption in both languages, never re-set
    int widthTwips = 0, heightTwips = 0; // the window's size after loading
    std::vector<ControlDescription> controls;
    std::vector<ElementDescription> elements;
    // The constants the code names the window's controls by (WindowControls.h); null
    // for a window the code reaches by name only.
    const ControlKeyTable *keys = nullptr;

    const ControlDescription *find(const QString &controlName) const;
    const ElementDescription *findElement(const QString &elementName) const;
    // Controls and elements standing directly in `parent`, in description order.
    std::vector<const ControlDescription *> controlsIn(const QString &parent) const;
    std::vector<const ElementDescription *> elementsIn(const QString &parent) const;

    // The texts as the window shows them in a language; a translation files them under
    // the window's name.
    QString windowCaption(Language lang) const;
    QString caption(const ControlDescription &c, Language lang) const;
    QStringList items(const ControlDescription &c, Language lang) const;
    QStringList texts(const ElementDescription &e, Language lang) const;
};

// "TabStrip1#0": page 1 of the strip TabStrip1.
inline QString pageOf(const QString &tabs, int index) { return tabs + QLatin1Char('#') + QString::number(index); }

} // namespace kt913
