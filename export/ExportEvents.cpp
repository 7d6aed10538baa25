// The exports' rows of the window's event table.
#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "app/EventTable.h"

namespace zl {

const EventBindings& ExportEventBindings() {
    static const EventBindings rows = {
        // CSV exports
        // Spreadsheet exports
        {UiEvent::Clicked,
         {id::kExcelExport},
         [](CzorvelDlg& d, int) { d.OnBnClickedButtonExcel(); }},
        {UiEvent::Clicked,
         {id::kExpectationXls},
         [](CzorvelDlg& d, int) { d.OnBnClickedButtonXls(); }},
    };
    return rows;
}

}  // namespace zl
