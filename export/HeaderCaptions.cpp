#include "export/HeaderCaptions.h"

#include "app/ControlTable.h"
#include "platform/Controls.h"
#include "platform/TextUtil.h"

namespace zl {

const std::array<int, 7> kHeaderCaptionLabels = {
    id::kJoinLabel,   id::kRemark1Label, id::kRemark2Label, id::kRemark3Label,
    id::kJoint1Label, id::kJoint2Label,  id::kJoint3Label};

std::u16string StripCaption(std::u16string_view caption, bool votesLabel) {
    std::u16string text = ReplaceAll(ReplaceAll(caption, u"【 ", u""), u" 】", u"");
    if (votesLabel) text = ReplaceAll(text, u"期待度 ", u"");
    return text;
}

std::array<std::u16string, 7> HeaderCaptions(const Controls& ui) {
    std::array<std::u16string, 7> out;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = StripCaption(ui.Text(kHeaderCaptionLabels[i]),
                              kHeaderCaptionLabels[i] == id::kJoinLabel);
    return out;
}

}  // namespace zl
