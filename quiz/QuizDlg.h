#pragma once

// The quiz window: the program's main dialog. It asks one word (or one
// meaning) with five candidate answers, judges the learner's pick, opens and
// closes databases, and switches the direction of the drill.

#include <cstdint>

#include "database/database.h"
#include "platform/Framework.h"

class CInfoDlg;

// The direction of the drill: what the question line shows.
enum QuizMode : int32_t {
    ModeWordToMeaning = 1,  // a word, with five meanings to choose from
    ModeMeaningToWord = 2,  // a meaning, with five words to choose from
};

class CQuizDlg : public CDialog {
public:
    explicit CQuizDlg(CWnd* pParent = nullptr);
    ~CQuizDlg() override;

    BOOL OnInitDialog() override;

    // The option slot, 1 to 5, that holds the right answer of the current question.
    int32_t GetCorrectSlot() const { return m_nCorrectSlot; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;

    const MessageMap* GetMessageMap() const override;
    static const MessageMap* GetThisMessageMap();

private:
    // Questions and answers.
    void OnNextQuestion();
    void OnGo();
    // The checked option slot, 1 to 5, or -1 when none is checked.
    int GetSelectedSlot() const;
    // Says why no question can be asked, and takes the stale options away.
    void ShowNoQuestion(DrawResult reason);
    void ShowOptions(int showCommand);

    // Opening and closing.
    void OnOpenDatabase();
    void OnSat100();
    void OnGre1265();
    void OnCloseDatabase();
    // Puts the database named by DatabasePath on screen and asks the first question.
    void OpenCurrentDatabase();
    void RefreshControls();
    void OnWordToMeaning();
    void OnMeaningToWord();

    // The information window and the About box.
    void OnHowToUse();
    void ShowInfoWindow(int32_t mode);
    LRESULT OnInfoWindowGone(WPARAM, LPARAM lParam);
    void OnAbout();

    // The window as a whole.
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnExit();

    CEdit m_editAnswer;
    CButton m_btnNext;
    CButton m_btnGo;
    CString m_strQuestion;
    HICON m_hIcon;
    WordPair m_aOtherPair[4] = {};     // the four other pairs, in draw order
    int32_t m_aPairIndex[5] = {};      // [0] the question pair, [1..4] the others, in draw order
    int32_t m_nCorrectSlot = 0;        // 1 to 5
    WordPair m_questionPair = {};
    CInfoDlg* m_pInfoDlg = nullptr;    // the newest information window, while it exists
    bool m_bOpen = false;
    int32_t m_nQuizMode = ModeWordToMeaning;
};
