#include "LookCommands.h"

#include "annotations/EditTarget.h"
#include "app/frmMain.h"

namespace {

bool changesLooks(const frmMain &form)
{
    const TargetState state = targetState(form);
    return state == TargetState::Object || state == TargetState::Defaults;
}

// Runs `apply` on the target's lines and on the default line.
template <class Apply>
void changeLineLook(frmMain &form, Apply apply)
{
    if (!changesLooks(form))
        return;
    for (AnnotationLine *line : targetLines(form))
        apply(*line);
    apply(form.defaults.linDefault);
}

// Runs `apply` on the target's label and on the default label.
template <class Apply>
void changeLabelLook(frmMain &form, Apply apply)
{
    if (!changesLooks(form))
        return;
    if (AnnotationLabel *label = targetLabel(form))
        apply(*label);
    apply(form.defaults.lblDefault);
}

} // namespace

void popEditWidth_Click(frmMain &form, int width)
{
    changeLineLook(form,
                   [width](AnnotationLine &line) { line.BorderWidth = std::int16_t(width); });
}

void popEditStyle_Click(frmMain &form, int style)
{
    changeLineLook(form,
                   [style](AnnotationLine &line) { line.BorderStyle = std::int16_t(style); });
}

void popBackStyle_Click(frmMain &form, int backStyle)
{
    changeLabelLook(form, [backStyle](AnnotationLabel &label) {
        label.BackStyle = std::int16_t(backStyle);
    });
}

void popBorderStyle_Click(frmMain &form, int borderStyle)
{
    changeLabelLook(form, [borderStyle](AnnotationLabel &label) {
        label.BorderStyle = std::int16_t(borderStyle);
    });
}

void applyColour(frmMain &form, ColourUse use, OleColor colour)
{
    if (!changesLooks(form))
        return;
    const int k = form.EditTarget.index;
    const EditKind kind = editKind(form);
    switch (use) {
    case ColourUse::Line:
        changeLineLook(form, [colour](AnnotationLine &line) { line.BorderColor = colour; });
        // The end markers are dots in the colour of their line.
        if (kind == EditKind::Dimension) {
            for (MarkerShape *marker :
                 {&form.annotations.shpSnpo[2 * k], &form.annotations.shpSnpo[2 * k + 1]}) {
                marker->BorderColor = colour;
                marker->FillColor = colour;
            }
        }
        return;
    case ColourUse::Text:
        changeLabelLook(form, [colour](AnnotationLabel &label) { label.ForeColor = colour; });
        break;
    case ColourUse::Back:
        changeLabelLook(form, [colour](AnnotationLabel &label) { label.BackColor = colour; });
        break;
    }
    // A leader line has no text of its own: a text or back colour chosen for it colours the line.
    if (kind == EditKind::LeaderLine)
        form.annotations.lineHikidashi[k].BorderColor = colour;
}
