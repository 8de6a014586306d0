#include "Dialog.h"

void DDX_Radio(CDataExchange* dx, int firstId, int& value)
{
    HWND button = GetDlgItem(dx->dialog, firstId);
    int index = 0;
    if (dx->saving)
        value = -1;
    while (button) {
        if (dx->saving) {
            if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED && value < 0)
                value = index;
        } else {
            SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        button = GetWindow(button, GW_HWNDNEXT);
        if (!button || (GetWindowLongA(button, GWL_STYLE) & WS_GROUP))
            break;
        ++index;
    }
}

namespace {

// A modal dialog appears centred over its owner, or on the screen when it
// has none, whatever position its template gives.
void Centre(HWND window, HWND owner)
{
    RECT box, area;
    GetWindowRect(window, &box);
    if (owner)
        GetWindowRect(owner, &area);
    else
        SetRect(&area, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    int x = area.left + ((area.right - area.left) - (box.right - box.left)) / 2;
    int y = area.top + ((area.bottom - area.top) - (box.bottom - box.top)) / 2;
    SetWindowPos(window, NULL, x < 0 ? 0 : x, y < 0 ? 0 : y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}

CDialog::CDialog(unsigned templateId, HWND parent)
    : m_hWnd(NULL), templateId(templateId), parent(parent)
{
}

CDialog::~CDialog() {}

INT_PTR CDialog::DoModal()
{
    return DialogBoxParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(templateId), parent,
                           DialogProc, (LPARAM)this);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::UpdateData(BOOL saving)
{
    CDataExchange dx(m_hWnd, saving != FALSE);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

HWND CDialog::GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* dialog = (CDialog*)GetWindowLongPtrA(window, DWLP_USER);
    switch (message) {
    case WM_INITDIALOG:
        dialog = (CDialog*)lParam;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->m_hWnd = window;
        Centre(window, dialog->parent);
        return dialog->OnInitDialog();
    case WM_COMMAND:
        if (!dialog || HIWORD(wParam) != BN_CLICKED)
            return FALSE;
        if (LOWORD(wParam) == IDOK) {
            dialog->OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            dialog->OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
