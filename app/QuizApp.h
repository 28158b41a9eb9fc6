#pragma once

// The application: it runs the quiz window modally as its main window and
// ends when that window ends. It keeps no settings and writes no file.

#include "platform/Framework.h"

class CQuizApp : public CWinApp {
public:
    CQuizApp() = default;
    ~CQuizApp() override = default;

    BOOL InitInstance() override;

protected:
    const MessageMap* GetMessageMap() const override;
    static const MessageMap* GetThisMessageMap();
};

// The one application object.
extern CQuizApp theApp;
