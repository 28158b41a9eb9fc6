#pragma once

// The information window: a modeless window that shows a block of read-only
// text, either the introduction of the database just opened or the usage
// text. Each request makes a new one. Hiding it (OK, Enter, Escape) releases
// it, window and object, since nothing would ever show it again.

#include <cstdint>

#include "platform/Framework.h"

enum InfoMode : int32_t {
    InfoModeIntroduction = 0,  // the first 19 lines of the current database
    InfoModeHelp = 1,          // the usage text
};

// Sent to the window that created an information window when it is gone;
// the lParam is the CInfoDlg, no longer to be used.
constexpr UINT WM_INFO_WINDOW_GONE = WM_APP + 1;

class CInfoDlg : public CDialog {
public:
    explicit CInfoDlg(CWnd* pParent);
    ~CInfoDlg() override;

    // Which text to show; the creator sets it before Create.
    int32_t m_nMode = InfoModeIntroduction;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override;

    const MessageMap* GetMessageMap() const override;
    static const MessageMap* GetThisMessageMap();

private:
    CEdit m_editInfo;
};
