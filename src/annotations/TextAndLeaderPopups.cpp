#include "TextAndLeaderPopups.h"

#include "app/frmMain.h"

namespace {

// Checks `chosen` and unchecks its partner.
void selectSubMode(frmMain &form, const char *chosen, const char *partner)
{
    form.menus[QLatin1String(partner)].checked = false;
    form.menus[QLatin1String(chosen)].checked = true;
}

} // namespace

void popMojiNew_Click(frmMain &form)
{
    selectSubMode(form, "popMojiNew", "popMojiSelect");
}

void popMojiSelect_Click(frmMain &form)
{
    selectSubMode(form, "popMojiSelect", "popMojiNew");
}

void popMojiAllClr_Click(frmMain &form)
{
    form.annotations.ClearTextLabels();
}

void popHkdSenNew_Click(frmMain &form)
{
    selectSubMode(form, "popHkdSenNew", "popHkdSenSelect");
}

void popHkdSenSelect_Click(frmMain &form)
{
    selectSubMode(form, "popHkdSenSelect", "popHkdSenNew");
}

void popHkdSenAllClr_Click(frmMain &form)
{
    form.annotations.ClearLeaderLines();
}

void registerTextAndLeaderCommands(frmMain &form)
{
    const struct
    {
        const char *item;
        void (*command)(frmMain &);
    } commands[] = {
        {"popMojiNew", popMojiNew_Click},
        {"popMojiSelect", popMojiSelect_Click},
        {"popMojiAllClr", popMojiAllClr_Click},
        {"popHkdSenNew", popHkdSenNew_Click},
        {"popHkdSenSelect", popHkdSenSelect_Click},
        {"popHkdSenAllClr", popHkdSenAllClr_Click},
    };
    for (const auto &[item, command] : commands)
        form.setCommand(QLatin1String(item), [&form, command = command] { command(form); });
}
