// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatchWeight.h"

#include "document/AnnotationStore.h"
#include "document/LabelMetrics.h"
#include "measure/LengthUnits.h"
#include "measure/WeightEstimate.h"
#include "measure/WeightTable.h"
#include "recordbook/CatchTemplate.h"
#include "view/MeasurementAccuracy.h"

std::optional<KeptLength> longestKeptLength(const AnnotationStore &objects, const ScaleValues &scale)
{
    std::optional<CaptionLength> longest;
    // The kept dimensions: every label below the spare on top.
    for (int i = 0; i < objects.lblKyori.UBound(); ++i) {
        const std::optional<CaptionLength> length = parseLengthText(objects.lblKyori[i].Caption);
        if (length && (!longest || length->mm > longest->mm))
            longest = length;
    }
    if (!longest)
        return std::nullopt;
    return KeptLength{longest->mm,
                      longest->uncertaintyMm.value_or(lengthUncertaintyMm(scale, longest->mm))};
}

WeightFill fillWeightLine(AnnotationStore &objects, const WeightTable &table,
                          const ScaleValues &scale, const WeightFillRequest &request)
{
    const int line = templateLabel(objects, CatchTemplateLine::Weight);
    if (line < 0)
        return WeightFill::NoWeightLine;
    const QString entry = templateEntry(objects, CatchTemplateLine::Weight);
    if (!isEstimatedEntry(entry))
        return WeightFill::WeighedByHand;
    const std::optional<KeptLength> length = longestKeptLength(objects, scale);
    if (!length)
        return WeightFill::NoLength;
    WeightEstimateInput input;
    input.species = table.find(templateEntry(objects, CatchTemplateLine::Title));
    input.lengthMm = length->mm;
    input.lengthUncertaintyMm = length->uncertaintyMm;
    input.girthMm = request.newGirth ? request.girthMm : girthInEntry(entry);
    // Taking the girth away may leave nothing to say: the line is then emptied.
    if (!input.species && !input.girthMm && !request.newGirth)
        return WeightFill::UnknownSpecies;
    setCaption(objects.lblMoji[line], templateCaption(CatchTemplateLine::Weight) + weightEntry(input));
    return WeightFill::Written;
}
