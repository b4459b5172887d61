#pragma once
// A window's controls described once, as data: the headless store, the codecs and the
// widgets are all built from these descriptions.
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
    QString label;         // name of the label control captioning it, if any
    QString captionZh, captionEn; // caption of that label (or of a check box itself)

    const QStringList &items(bool english) const { return english && !itemsEn.isEmpty() ? itemsEn : itemsZh; }
    int itemCount() const { return int(itemsZh.size()); }
};

struct FormDescription {
    QString name;                  // "Form3"
    QString captionZh, captionEn;  // window caption
    std::vector<ControlDescription> controls;

    const ControlDescription *find(const QString &controlName) const;
};

} // namespace kt913
