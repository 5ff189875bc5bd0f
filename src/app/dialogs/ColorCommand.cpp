// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ColorCommand.h"

#include "dialogs/CDlgSetColor.h"
#include "files/PathLookup.h"
#include "settings/ColorChoice.h"
#include "timetable/Timetable.h"

bool RunColorCommand(QWidget* parent, const Timetable& timetable, int selectedRow,
                     ColorTable& table, const std::wstring& dataPath) {
    RowMarkNames marks;
    if (selectedRow < 0 || !timetable.GetRowMarkNames(selectedRow, marks) ||
        (marks.name1.empty() && marks.name2.empty())) {
        return false;
    }
    CDlgSetColor dialog(marks.name1, marks.color1, marks.name2, marks.color2, parent);
    if (dialog.exec() != QDialog::Accepted ||
        !ApplyColorDialogResult(table, marks.name1, marks.name2, dialog.result())) {
        return false;
    }
    // A failed save goes unreported (a file left unread was named when the window read it): the
    // new colour still shows for the rest of this run.
    table.Save(DataRootFile(dataPath, L"color.ini"));
    return true;
}
