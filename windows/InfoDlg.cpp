#include "windows/InfoDlg.h"

#include "database/database.h"
#include "resources/resource.h"
#include "windows/UsageText.h"

namespace {

constexpr int IntroductionLines = 19;

}  // namespace

CInfoDlg::CInfoDlg(CWnd* pParent) : CDialog(IDD_INFO, pParent) {}

CInfoDlg::~CInfoDlg() = default;

void CInfoDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_INFO_TEXT, m_editInfo);
}

BOOL CInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_nMode == InfoModeIntroduction) {
        if (!DatabasePath.empty())
            SetWindowText(ReadDatabaseTitle());
        // Each line lives in the database layer's buffer until the next read: copy it at once.
        CString text;
        for (int32_t n = 0; n < IntroductionLines; ++n) {
            text += ReadDatabaseLine(n);
            text += "\r\n";
        }
        m_editInfo.SetWindowText(text);
    } else if (m_nMode == InfoModeHelp) {
        m_editInfo.SetWindowText(UsageText());
        SetWindowText("How do I use this program?");
    }
    return TRUE;
}

// OK, Enter and Escape end the window for good: nothing shows it again.
void CInfoDlg::OnOK()
{
    DestroyWindow();
}

void CInfoDlg::OnCancel()
{
    DestroyWindow();
}

void CInfoDlg::PostNcDestroy()
{
    if (m_pParentWnd && m_pParentWnd->m_hWnd)
        m_pParentWnd->SendMessage(WM_INFO_WINDOW_GONE, 0, reinterpret_cast<LPARAM>(this));
    delete this;
}

const MessageMap* CInfoDlg::GetMessageMap() const
{
    return GetThisMessageMap();
}

const MessageMap* CInfoDlg::GetThisMessageMap()
{
    static const MessageMap map(CDialog::GetThisMessageMap());
    return &map;
}
