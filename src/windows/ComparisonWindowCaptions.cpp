// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/ComparisonWindowCaptions.h"
#include "windows/ComparisonWindow.h"
#include <QLabel>
#include <QTableView>

namespace kt913 {

namespace {

std::vector<CaptionRow> withListRows(std::vector<CaptionRow> rows)
{
    rows.insert(rows.end(), {
                                {"Grid1", CaptionProperty::Header, 0, "位置", "Where"},
                                {"Grid1", CaptionProperty::Header, 1, "项目", "Item"},
                                {"Grid1", CaptionProperty::Header, 2, "对讲机中", "On the radio"},
                                {"Grid1", CaptionProperty::Header, 3, "编辑器中", "In the editors"},
                                {"Grid1", CaptionProperty::AccessibleName, -1, "差异列表", "Differences"},
                            });
    return rows;
}

// The summary counts what the list holds; a screen reader hears it with the list.
void showSummary(QWidget *window, Language lang)
{
    auto *w = qobject_cast<ComparisonWindow *>(window);
    if (!w)
        return;
    const QString summary = differenceSummary(w->differences(), lang);
    w->Label1->setText(summary);
    w->Grid1->setAccessibleDescription(summary);
}

} // namespace

const CaptionTable &comparisonWindowCaptions()
{
    static const CaptionTable table{
        "FrmCompare",
        withListRows({
            {"", CaptionProperty::Caption, -1, "与对讲机比较", "Compare with Radio"},
            {"CmdClose", CaptionProperty::Caption, -1, "关闭(&C)", "Close(&C)"},
        }),
        showSummary,
    };
    return table;
}

const CaptionTable &writePreviewCaptions()
{
    static const CaptionTable table{
        "FrmWritePreview",
        withListRows({
            {"", CaptionProperty::Caption, -1, "写频前预览", "Preview before Writing"},
            {"Label2", CaptionProperty::Caption, -1, "写频将以编辑器中的内容替换对讲机中的这些内容。是否写入？",
             "Writing replaces these values on the radio with those in the editors. Write now?"},
            {"CmdWrite", CaptionProperty::Caption, -1, "写入(&W)", "Write(&W)"},
            {"CmdCancel", CaptionProperty::Caption, -1, "取消", "Cancel"},
        }),
        showSummary,
    };
    return table;
}

} // namespace kt913
