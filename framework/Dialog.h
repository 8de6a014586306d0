// The modal dialog base: a dialog template from the resources, run by the
// system's modal loop. OK and Cancel reach OnOK and OnCancel; Enter and
// the default button send OK, Esc and closing the window send Cancel.
#pragma once

#include <windows.h>

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saving) : dialog(dialog), saving(saving) {}
    HWND dialog;
    bool saving;   // true: controls to members; false: members to controls
};

// Exchanges value with the radio group whose first button is firstId: the
// group runs over the following controls up to the next one that starts a
// group. Loading checks button number value and clears the others; saving
// sets value to the index of the checked button, or -1 when none is.
void DDX_Radio(CDataExchange* dx, int firstId, int& value);

class CDialog {
public:
    CDialog(unsigned templateId, HWND parent = NULL);
    virtual ~CDialog();

    // Runs the dialog; returns the value given to EndDialog, or -1 when the
    // dialog cannot be created.
    virtual INT_PTR DoModal();

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // Saving true: controls to members. Returns false when validation fails.
    BOOL UpdateData(BOOL saving = TRUE);
    void EndDialog(INT_PTR result);
    HWND GetDlgItem(int id) const;

    HWND m_hWnd;

private:
    CDialog(const CDialog&);
    CDialog& operator=(const CDialog&);
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    unsigned templateId;
    HWND parent;
};
