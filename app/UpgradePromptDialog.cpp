#include "UpgradePromptDialog.h"

#include "ProductName.h"

enum { IDD_UPGRADE_PROMPT = 102, IDC_INSTALLED_TEXT = 1001, IDC_UPGRADE = 1002 };

UpgradePromptDialog::UpgradePromptDialog(const char* productName, HWND parent)
    : CDialog(IDD_UPGRADE_PROMPT, parent), choice(0), productName(productName), cancelled(false)
{
}

UpgradePromptDialog::~UpgradePromptDialog() {}

void UpgradePromptDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Radio(dx, IDC_UPGRADE, choice);
}

BOOL UpgradePromptDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    ReplaceProductName(IDC_INSTALLED_TEXT);
    ReplaceProductName(IDC_UPGRADE);
    return TRUE;
}

void UpgradePromptDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(choice);
}

void UpgradePromptDialog::OnCancel()
{
    cancelled = true;
    EndDialog(-1);
}

void UpgradePromptDialog::ReplaceProductName(int controlId)
{
    if (productName == builtInProductName)
        return;
    HWND control = GetDlgItem(controlId);
    int length = GetWindowTextLengthA(control);
    CString text;
    char* buffer = text.GetBuffer(length);
    if (!buffer)
        return;
    GetWindowTextA(control, buffer, length + 1);
    text.ReleaseBuffer();
    CString replaced;
    if (ReplaceBuiltInName(text, productName, replaced))
        SetWindowTextA(control, replaced);
}
