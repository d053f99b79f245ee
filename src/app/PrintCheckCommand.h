#pragma once

class frmMain;

// "印刷の実寸チェック" of the file menu: the dialog, modal, loaded afresh.
void registerPrintCheckCommand(frmMain &form);
