#include "quiz/QuizDlg.h"

#include "resources/resource.h"
#include "windows/AboutBox.h"
#include "windows/InfoDlg.h"

namespace {

const char* const ProgramCaption = "Wordloom 1.0";
const char* const ClosedQuestion = "Please open a vocab list or database from the File Menu.";
const char* const ClosedResult = "Don't know.";
const char* const RightAnswer = "YES! You got it!";
const char* const WrongAnswer = "No! Correct answer is:";
const char* const NoSelectionText = "You must make a selection before checking the answer";
const char* const NoSelectionCaption = "Sorry!";
const char* const TooFewPairsText = "This database holds fewer than five word pairs.";
const char* const UnreadableText = "This database cannot be read.";
const char* const DatabaseFilter = "Text Database (*.txt)|*.txt|All Files (*.*)|*.*||";

const char* SideShown(const WordPair& pair, int32_t mode)
{
    return mode == ModeMeaningToWord ? pair.word : pair.meaning;
}

const char* SideAsked(const WordPair& pair, int32_t mode)
{
    return mode == ModeMeaningToWord ? pair.meaning : pair.word;
}

}  // namespace

CQuizDlg::CQuizDlg(CWnd* pParent) : CDialog(IDD_QUIZ, pParent)
{
    m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(IDI_QUIZ) : platform::FindIcon(IDI_QUIZ);
}

// The icon belongs to the resources, and information windows release themselves.
CQuizDlg::~CQuizDlg() = default;

void CQuizDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_ANSWER, m_editAnswer);
    DDX_Control(pDX, IDC_NEXT, m_btnNext);
    DDX_Control(pDX, IDC_GO, m_btnGo);
    DDX_Text(pDX, IDC_QUESTION, m_strQuestion);
}

const MessageMap* CQuizDlg::GetMessageMap() const
{
    return GetThisMessageMap();
}

const MessageMap* CQuizDlg::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {
        MessageEntry<&CQuizDlg::OnSysCommand>(WM_SYSCOMMAND),
        MessageEntry<&CQuizDlg::OnPaint>(WM_PAINT),
        MessageEntry<&CQuizDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
        CommandEntry<&CQuizDlg::OnAbout>(ID_HELP_ABOUT),
        CommandEntry<&CQuizDlg::OnExit>(ID_FILE_EXIT),
        CommandEntry<&CQuizDlg::OnWordToMeaning>(ID_SET_WORD_TO_MEANING),
        CommandEntry<&CQuizDlg::OnMeaningToWord>(ID_SET_MEANING_TO_WORD),
        CommandEntry<&CQuizDlg::OnOpenDatabase>(ID_FILE_OPEN_DATABASE),
        CommandEntry<&CQuizDlg::OnCloseDatabase>(ID_FILE_CLOSE_DATABASE),
        ClickedEntry<&CQuizDlg::OnGo>(IDC_GO),
        ClickedEntry<&CQuizDlg::OnNextQuestion>(IDC_NEXT),
        ClickedEntry<&CQuizDlg::OnSat100>(IDC_SAT100),
        ClickedEntry<&CQuizDlg::OnGre1265>(IDC_GRE1265),
        ClickedEntry<&CQuizDlg::OnWordToMeaning>(IDC_WORD_TO_MEANING),
        ClickedEntry<&CQuizDlg::OnMeaningToWord>(IDC_MEANING_TO_WORD),
        CommandEntry<&CQuizDlg::OnHowToUse>(ID_HELP_HOW_TO_USE),
        MessageEntry<&CQuizDlg::OnInfoWindowGone>(WM_INFO_WINDOW_GONE),
    };
    static const MessageMap map(CDialog::GetThisMessageMap(), entries);
    return &map;
}

BOOL CQuizDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nQuizMode = ModeWordToMeaning;
    m_bOpen = false;

    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        CString aboutItem;
        aboutItem.LoadString(IDS_ABOUT_ITEM);
        if (!aboutItem.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUT_ITEM, aboutItem);
        }
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    SetDlgItemText(IDC_QUESTION, ClosedQuestion);
    SetDlgItemText(IDC_RESULT, ClosedResult);
    m_btnGo.EnableWindow(m_bOpen);
    m_btnNext.EnableWindow(m_bOpen);
    OnWordToMeaning();
    // The menu starts with Open enabled and Close grayed, and the options
    // start hidden: that is already the closed state.
    return TRUE;
}

// ---------------------------------------------------------------------------
// Questions and answers

void CQuizDlg::OnNextQuestion()
{
    const DrawResult drawn =
        DrawPairIndices(m_aPairIndex[0], m_aPairIndex[1], m_aPairIndex[2], m_aPairIndex[3], m_aPairIndex[4]);
    if (drawn != DrawResult::Drawn) {
        ShowNoQuestion(drawn);
        return;
    }
    m_nCorrectSlot = RandomBelow(OptionCount) + 1;
    ReadPair(m_aPairIndex[0], m_questionPair);
    for (int i = 1; i < 5; ++i)
        ReadPair(m_aPairIndex[i], m_aOtherPair[i - 1]);

    for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id)
        CheckDlgButton(id, BST_UNCHECKED);
    GetDlgItem(IDC_QUESTION)->SetWindowText(SideAsked(m_questionPair, m_nQuizMode));

    // The right answer goes in its slot; the four others fill the remaining
    // slots from the top, in the order they were drawn.
    GetDlgItem(IDC_OPTION1 + m_nCorrectSlot - 1)->SetWindowText(SideShown(m_questionPair, m_nQuizMode));
    int other = 0;
    for (int slot = 1; slot <= OptionCount; ++slot)
        if (slot != m_nCorrectSlot)
            GetDlgItem(IDC_OPTION1 + slot - 1)->SetWindowText(SideShown(m_aOtherPair[other++], m_nQuizMode));

    // After a database that could not be drawn from, the options come back.
    ShowOptions(SW_SHOW);
    m_btnGo.EnableWindow(TRUE);
}

void CQuizDlg::ShowNoQuestion(DrawResult reason)
{
    SetDlgItemText(IDC_QUESTION, reason == DrawResult::TooFewPairs ? TooFewPairsText : UnreadableText);
    for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id)
        CheckDlgButton(id, BST_UNCHECKED);
    ShowOptions(SW_HIDE);
    m_btnGo.EnableWindow(FALSE);
}

void CQuizDlg::ShowOptions(int showCommand)
{
    for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id)
        GetDlgItem(id)->ShowWindow(showCommand);
}

void CQuizDlg::OnGo()
{
    const int slot = GetSelectedSlot();
    if (slot == -1) {
        MessageBox(NoSelectionText, NoSelectionCaption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    SetDlgItemText(IDC_RESULT, slot == m_nCorrectSlot ? RightAnswer : WrongAnswer);
    CString answer = m_questionPair.word;
    answer += "\r\n";
    answer += m_questionPair.meaning;
    m_editAnswer.SetWindowText(answer);
}

int CQuizDlg::GetSelectedSlot() const
{
    const int id = GetCheckedRadioButton(IDC_OPTION1, IDC_OPTION5);
    return id >= IDC_OPTION1 && id <= IDC_OPTION5 ? id - IDC_OPTION1 + 1 : -1;
}

// ---------------------------------------------------------------------------
// Opening and closing databases, and the direction of the drill

void CQuizDlg::OnOpenDatabase()
{
    CFileDialog dialog(TRUE, ".txt", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, DatabaseFilter);
    dialog.DoModal();
    DatabasePath = dialog.GetPathName().str();
    OpenCurrentDatabase();
}

void CQuizDlg::OnSat100()
{
    DatabasePath = "SAT100.TXT";
    OpenCurrentDatabase();
}

void CQuizDlg::OnGre1265()
{
    DatabasePath = "GRE.TXT";
    OpenCurrentDatabase();
}

void CQuizDlg::OpenCurrentDatabase()
{
    CString caption = ProgramCaption;
    if (DatabasePath.empty())
        return;  // The Open dialog was cancelled: nothing changes.
    caption += " - [";
    caption += ReadDatabaseTitle();
    caption += "]";
    SetWindowText(caption);
    m_bOpen = true;
    ShowInfoWindow(InfoModeIntroduction);
    RefreshControls();
    OnNextQuestion();
}

void CQuizDlg::OnCloseDatabase()
{
    m_bOpen = false;
    SetWindowText(ProgramCaption);
    RefreshControls();
}

void CQuizDlg::RefreshControls()
{
    SeedRandom();
    m_btnGo.EnableWindow(m_bOpen);
    m_btnNext.EnableWindow(m_bOpen);
    CMenu* menu = GetMenu();
    if (m_bOpen) {
        menu->EnableMenuItem(ID_FILE_CLOSE_DATABASE, MF_BYCOMMAND | MF_ENABLED);
        menu->EnableMenuItem(ID_FILE_OPEN_DATABASE, MF_BYCOMMAND | MF_GRAYED);
        ShowOptions(SW_SHOW);
        return;
    }
    menu->EnableMenuItem(ID_FILE_OPEN_DATABASE, MF_BYCOMMAND | MF_ENABLED);
    menu->EnableMenuItem(ID_FILE_CLOSE_DATABASE, MF_BYCOMMAND | MF_GRAYED);
    ShowOptions(SW_HIDE);
    SetDlgItemText(IDC_QUESTION, ClosedQuestion);
    SetDlgItemText(IDC_RESULT, ClosedResult);
    m_editAnswer.SetWindowText("");
}

// The direction takes effect with the next question; the one on screen stays.
void CQuizDlg::OnWordToMeaning()
{
    m_nQuizMode = ModeWordToMeaning;
    GetMenu()->CheckMenuRadioItem(ID_SET_WORD_TO_MEANING, ID_SET_MEANING_TO_WORD, ID_SET_WORD_TO_MEANING,
                                  MF_BYCOMMAND);
    CheckDlgButton(IDC_WORD_TO_MEANING, BST_CHECKED);
    CheckDlgButton(IDC_MEANING_TO_WORD, BST_UNCHECKED);
}

void CQuizDlg::OnMeaningToWord()
{
    m_nQuizMode = ModeMeaningToWord;
    GetMenu()->CheckMenuRadioItem(ID_SET_WORD_TO_MEANING, ID_SET_MEANING_TO_WORD, ID_SET_MEANING_TO_WORD,
                                  MF_BYCOMMAND);
    CheckDlgButton(IDC_WORD_TO_MEANING, BST_UNCHECKED);
    CheckDlgButton(IDC_MEANING_TO_WORD, BST_CHECKED);
}

// ---------------------------------------------------------------------------
// The information window and the About box

void CQuizDlg::OnHowToUse()
{
    ShowInfoWindow(InfoModeHelp);
}

void CQuizDlg::ShowInfoWindow(int32_t mode)
{
    // The window releases itself when it is hidden or when this one ends.
    m_pInfoDlg = new CInfoDlg(this);
    m_pInfoDlg->m_nMode = mode;
    if (!m_pInfoDlg->Create(IDD_INFO, this)) {
        delete m_pInfoDlg;
        m_pInfoDlg = nullptr;
    }
}

LRESULT CQuizDlg::OnInfoWindowGone(WPARAM, LPARAM lParam)
{
    if (reinterpret_cast<CInfoDlg*>(lParam) == m_pInfoDlg)
        m_pInfoDlg = nullptr;
    return 0;
}

void CQuizDlg::OnAbout()
{
    CAboutBox about;
    about.DoModal();
}

// ---------------------------------------------------------------------------
// The window as a whole

void CQuizDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == IDM_ABOUT_ITEM) {
        CAboutBox about;
        about.DoModal();
        return;
    }
    Default();
}

// Minimised, the window shows its icon in the middle of its area.
void CQuizDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - cxIcon + 1) / 2;
    const int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CQuizDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

void CQuizDlg::OnExit()
{
    EndDialog(0);
}

void CQuizDlg::OnCancel()
{
    CDialog::OnCancel();
}
