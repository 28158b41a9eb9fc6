#pragma once

// The About box: the program's icon, name and version, a rights notice and
// contact lines. It runs modally; OK closes it.

#include "platform/Framework.h"

class CAboutBox : public CDialog {
public:
    CAboutBox();
    ~CAboutBox() override;

protected:
    void DoDataExchange(CDataExchange*) override {}

    const MessageMap* GetMessageMap() const override;
    static const MessageMap* GetThisMessageMap();
};
