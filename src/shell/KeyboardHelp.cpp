// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/KeyboardHelp.h"
#include "widgets/Twips.h"
#include "widgets/WindowScope.h"
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kt913 {

namespace {

const char *const kTitle[] = {"键盘操作", QT_TRANSLATE_NOOP("FrmKeys", "Keyboard Use")};

const char *const kLines[][2] = {
    {"表格（信道编辑、收音机频道设置）：", QT_TRANSLATE_NOOP("FrmKeys", "Grids (channel edit, FM channels):")},
    {"  方向键、Page Up、Page Down：移到其它单元格。", QT_TRANSLATE_NOOP("FrmKeys", "  Arrow keys, Page Up, Page Down: move to another cell.")},
    {"  Home、End：本行的第一个或最后一个单元格；Ctrl+Home、Ctrl+End：第一个或最后一个频道。",
     QT_TRANSLATE_NOOP("FrmKeys", "  Home, End: first or last cell of the row; Ctrl+Home, Ctrl+End: first or last channel.")},
    {"  Enter 或 F2：打开单元格的编辑框。", QT_TRANSLATE_NOOP("FrmKeys", "  Enter or F2: open the cell's editor.")},
    {"  编辑框中：Enter 确认输入，Esc 放弃修改。", QT_TRANSLATE_NOOP("FrmKeys", "  In a text editor: Enter takes the entry, Escape leaves the cell as it was.")},
    {"  下拉列表中：方向键选择，Enter 确认，Esc 收起列表，再按 Esc 放弃修改。",
     QT_TRANSLATE_NOOP("FrmKeys", "  In a list: arrow keys choose, Enter takes the choice, Escape closes the list, a second Escape leaves the cell as it was.")},
    {"  Tab、Shift+Tab：在表格与窗口的其它控件之间移动。", QT_TRANSLATE_NOOP("FrmKeys", "  Tab, Shift+Tab: move between the grid and the window's other controls.")},
    {"信道编辑的表格另有：", QT_TRANSLATE_NOOP("FrmKeys", "The channel edit grids also take:")},
    {"  Ctrl+Z、Ctrl+Y：撤销、重做对信道的修改。", QT_TRANSLATE_NOOP("FrmKeys", "  Ctrl+Z, Ctrl+Y: undo, redo a change of the channels.")},
    {"  Shift+方向键：选择多行；Ctrl+C、Ctrl+V：复制、粘贴信道行（制表符分隔的文本，可与电子表格交换）。",
     QT_TRANSLATE_NOOP("FrmKeys", "  Shift+arrow keys: select several rows; Ctrl+C, Ctrl+V: copy, paste channel rows (tab-separated text, to and from a spreadsheet).")},
    {"  Insert：插入空行；Ctrl+Delete：删除行；Alt+上、Alt+下：上移、下移一行。",
     QT_TRANSLATE_NOOP("FrmKeys", "  Insert: insert an empty row; Ctrl+Delete: delete the row; Alt+Up, Alt+Down: move the row up or down.")},
    {"  Shift+F10 或菜单键：信道行的菜单。", QT_TRANSLATE_NOOP("FrmKeys", "  Shift+F10 or the menu key: the channel rows menu.")},
    {"  Ctrl+F：查找（频率、名称或亚音频）；Enter 或 F3：下一个，Shift+F3：上一个；Esc 关闭查找栏。",
     QT_TRANSLATE_NOOP("FrmKeys", "  Ctrl+F: find (a frequency, a name or a tone); Enter or F3: next match, Shift+F3: previous; Escape closes the find bar.")},
    {"  用鼠标拖动行标签（A1…）可移动信道行；拖到另一组的标签页上则移入该组。",
     QT_TRANSLATE_NOOP("FrmKeys", "  Drag rows by their labels (A1…) to move them; drop them onto the other group's tab to move them into that group.")},
    {"滑块（调试信息）：方向键每次移动 1，Page Up、Page Down 每次移动 5，Home、End 移到两端。",
     QT_TRANSLATE_NOOP("FrmKeys", "Sliders (debug information): arrow keys move by 1, Page Up and Page Down by 5, Home and End to either end.")},
    {"标签页：Tab 移到标签上，再用左右方向键换页。",
     QT_TRANSLATE_NOOP("FrmKeys", "Tabs: Tab to the tabs, then the left and right arrow keys change the page.")},
    {"菜单：Alt 加菜单名中带下划线的字母；各菜单项旁边是它的快捷键。",
     QT_TRANSLATE_NOOP("FrmKeys", "Menus: Alt with the underlined letter of a menu; each item shows its shortcut beside it.")},
};

} // namespace

QString KeyboardHelp::text(Language lang)
{
    QStringList lines;
    for (const auto &line : kLines)
        lines << textIn(lang, line[0], SourceText{"FrmKeys", line[1]});
    return lines.join(QLatin1Char('\n'));
}

KeyboardHelp::KeyboardHelp(Language lang, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmKeys"));
    markAsWindow(this);
    const QString title = textIn(lang, kTitle[0], SourceText{"FrmKeys", kTitle[1]});
    setWindowTitle(title);
    resize(twips(9000), twips(5400));

    // A read-only text box rather than a painted label: it takes the focus, so that a
    // screen reader reads it line by line.
    TextKeys = new QPlainTextEdit(text(lang), this);
    TextKeys->setObjectName(QStringLiteral("TextKeys"));
    TextKeys->setReadOnly(true);
    TextKeys->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    TextKeys->setAccessibleName(title);
    TextKeys->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setText(textIn(lang, "确定", KT913_TR("FrmKeys", "OK")));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TextKeys, 1);
    layout->addWidget(buttons);
    TextKeys->setFocus(Qt::OtherFocusReason);
}

} // namespace kt913
