#include "CatchTemplate.h"

#include "annotations/AnnotationStore.h"
#include "annotations/LabelMetrics.h"

namespace {

struct TemplateLabel
{
    const char16_t *caption;
    float left;
    float top;
    float fontSize;
};

// The title stands out to the right; the captions follow one under the other, 5 mm apart.
constexpr TemplateLabel TemplateLabels[] = {
    {u">゜)))彡", 50, 10, 32}, {u"体長：", 10, 20, 12},   {u"重さ：", 10, 25, 12},
    {u"釣り人：", 10, 30, 12}, {u"釣り場：", 10, 35, 12}, {u"潮：", 10, 40, 12},
    {u"餌：", 10, 45, 12},     {u"仕掛け：", 10, 50, 12}, {u"日時：", 10, 55, 12},
};

} // namespace

void subMakeTemplate(AnnotationStore &annotations)
{
    for (const TemplateLabel &entry : TemplateLabels) {
        const std::optional<int> n = annotations.CreateTextLabel();
        if (!n)
            return; // only a collection already full to 32767 refuses
        AnnotationLabel &label = annotations.lblMoji[*n];
        label.FontSize = entry.fontSize;
        label.Alignment = AlignLeft;
        setCaption(label, QString::fromUtf16(entry.caption));
        label.Left = entry.left;
        label.Top = entry.top;
        label.Visible = true;
    }
}
