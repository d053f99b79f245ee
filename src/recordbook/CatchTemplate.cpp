// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatchTemplate.h"

#include "document/AnnotationStore.h"
#include "document/LabelMetrics.h"
#include "platform/TextFolding.h"

namespace {

// Where each caption goes and how large: the title stands out to the right; the captions follow
// one under the other, 5 mm apart.
struct TemplatePlace
{
    float left;
    float top;
    float fontSize;
};

constexpr std::array<TemplatePlace, CatchTemplateCaptions.size()> TemplatePlaces = {{
    {50, 10, 32}, {10, 20, 12}, {10, 25, 12}, {10, 30, 12}, {10, 35, 12},
    {10, 40, 12}, {10, 45, 12}, {10, 50, 12}, {10, 55, 12},
}};

} // namespace

void subMakeTemplate(AnnotationStore &annotations)
{
    for (std::size_t line = 0; line < CatchTemplateCaptions.size(); ++line) {
        const std::optional<int> n = annotations.CreateTextLabel();
        if (!n)
            return; // only a collection already full to 32767 refuses
        const TemplatePlace &place = TemplatePlaces[line];
        AnnotationLabel &label = annotations.lblMoji[*n];
        label.FontSize = place.fontSize;
        label.Alignment = AlignLeft;
        setCaption(label, QString::fromUtf16(CatchTemplateCaptions[line]));
        label.Left = place.left;
        label.Top = place.top;
        label.Visible = true;
    }
}

QString templateCaption(CatchTemplateLine line)
{
    return QString::fromUtf16(CatchTemplateCaptions[std::size_t(line)]);
}

namespace {

struct FoundLine
{
    int index = -1;
    qsizetype captionLength = 0; // how much of the label's caption is the template's
};

FoundLine findLine(const AnnotationStore &annotations, CatchTemplateLine line)
{
    const QString caption = templateCaption(line);
    // Text labels in use: the template at 0 is not one.
    for (int i = 1; i <= annotations.lblMoji.UBound(); ++i) {
        const AnnotationLabel &label = annotations.lblMoji[i];
        if (!label.Visible)
            continue;
        if (const qsizetype length = foldedPrefixLength(label.Caption, caption); length >= 0)
            return {i, length};
    }
    return {};
}

} // namespace

int templateLabel(const AnnotationStore &annotations, CatchTemplateLine line)
{
    return findLine(annotations, line).index;
}

QString templateEntry(const AnnotationStore &annotations, CatchTemplateLine line)
{
    const FoundLine found = findLine(annotations, line);
    return found.index < 0
               ? QString()
               : annotations.lblMoji[found.index].Caption.mid(found.captionLength).trimmed();
}
