// The exports' rows of the window's event table.
#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "app/EventTable.h"

namespace zl {

const EventBindings& ExportEventBindings() {
    static const EventBindings rows = {
        // CSV exports
        {UiEvent::Clicked,
         {id::kCsvExport},
         [](CzorvelDlg& d, int) { d.OnBnClickedButtonCsvExport(); }},
        {UiEvent::Clicked,
         {id::kBulkMailCsv},
         [](CzorvelDlg& d, int) { d.OnBnClickedButtonBulkMailCsv(); }},
        {UiEvent::Clicked,
         {id::kLabelCsv},
         [](CzorvelDlg& d, int) { d.OnBnClickedButtonLabelCsv(); }},
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
