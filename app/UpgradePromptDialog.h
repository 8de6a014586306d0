#pragma once

#include "Dialog.h"
#include "String.h"

// Asks whether to upgrade the installed product in place or to rerun its
// setup program. DoModal gives 0 for Upgrade, 1 for Setup, and -1 for
// Cancel, Esc, closing the window, or a dialog that cannot be shown.
class UpgradePromptDialog : public CDialog {
public:
    UpgradePromptDialog(const char* productName, HWND parent = NULL);
    ~UpgradePromptDialog() override;

    // True when the dialog ended through Cancel (Esc and closing the window
    // included), as opposed to failing to appear.
    bool WasCancelled() const { return cancelled; }

    int choice;
    CString productName;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void ReplaceProductName(int controlId);

    bool cancelled;
};
