#include "app/EventTable.h"

#include <map>
#include <utility>

#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"

namespace zl {

const EventBindings& WindowEventBindings() {
    static const EventBindings rows = {
        {UiEvent::Clicked, {id::kManual}, [](CzorvelDlg& d, int) { d.OnManual(); }},
        {UiEvent::Clicked, {id::kSearchClear}, [](CzorvelDlg& d, int) { d.OnSearchClear(); }},
        {UiEvent::Clicked,
         {id::kNameClearBox},
         [](CzorvelDlg& d, int) { d.OnNameClearBoxClicked(); }},
        {UiEvent::Clicked,
         {id::kTranscriptionBox},
         [](CzorvelDlg& d, int) { d.OnTranscriptionBoxClicked(); }},
        {UiEvent::Clicked, {id::kSponsor}, [](CzorvelDlg& d, int) { d.OnSponsorLink(); }},
        // The Enter key's targets follow the focus.
        {UiEvent::FocusIn, {id::kAdd}, [](CzorvelDlg& d, int) { d.addButtonFocused = true; }},
        {UiEvent::FocusOut, {id::kAdd}, [](CzorvelDlg& d, int) { d.addButtonFocused = false; }},
        {UiEvent::FocusIn,
         {id::kSearchText},
         [](CzorvelDlg& d, int cid) {
             d.searchBoxFocused = true;
             d.OnFieldFocusIn(cid);
         }},
        {UiEvent::FocusOut,
         {id::kSearchText},
         [](CzorvelDlg& d, int) { d.searchBoxFocused = false; }},
    };
    return rows;
}

EventHandler FindEventHandler(UiEvent event, int cid) {
    static const std::map<std::pair<UiEvent, int>, EventHandler> index = [] {
        std::map<std::pair<UiEvent, int>, EventHandler> m;
        for (const EventBindings* rows :
             {&WindowEventBindings(), &EditingEventBindings(), &ToolsEventBindings(),
              &ExportEventBindings(), &LinkEventBindings()})
            for (const EventBinding& row : *rows)
                for (int i : row.ids) m.emplace(std::pair{row.event, i}, row.handler);
        return m;
    }();
    auto it = index.find({event, cid});
    return it == index.end() ? nullptr : it->second;
}

}  // namespace zl
