#pragma once

// The framework's dialog: a window built from a dialog template, run modally
// (DoModal) or modelessly (Create).

#include "platform/CDataExchange.h"
#include "platform/CWnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

    // Builds the window, runs it until EndDialog with only its owner
    // disabled, destroys the window and returns the code; -1 when the
    // window cannot be built.
    virtual INT_PTR DoModal();
    // Builds a modeless window and returns at once; it shows itself when its
    // template is visible.
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Ends a modal run with this code; a modeless dialog is only hidden.
    void EndDialog(int result);

    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual BOOL OnInitDialog();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange*) {}

    const MessageMap* GetMessageMap() const override;
    static const MessageMap* GetThisMessageMap();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};
